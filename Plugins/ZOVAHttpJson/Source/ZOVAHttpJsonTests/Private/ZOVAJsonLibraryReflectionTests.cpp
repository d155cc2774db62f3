// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "Modules/ModuleManager.h"
#include "UObject/UnrealType.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAStringArrayTest.h"

#if WITH_DEV_AUTOMATION_TESTS

namespace
{
	/** The C++ type of a parameter; the engine gives a container's element types apart, so they are joined here. */
	FString DescribeType(const FProperty* Property)
	{
		if (const FArrayProperty* const Array = CastField<FArrayProperty>(Property))
		{
			return FString::Printf(TEXT("TArray<%s>"), *DescribeType(Array->Inner));
		}
		if (const FMapProperty* const Map = CastField<FMapProperty>(Property))
		{
			return FString::Printf(TEXT("TMap<%s, %s>"), *DescribeType(Map->KeyProp), *DescribeType(Map->ValueProp));
		}
		return Property->GetCPPType();
	}
}

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonLibraryModuleTest, "ZOVA.Json.Library.Reflection.Module", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonLibraryFunctionsTest, "ZOVA.Json.Library.Reflection.Functions", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonLibraryProcessEventTest, "ZOVA.Json.Library.Reflection.ProcessEvent", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAJsonLibraryModuleTest::RunTest(const FString& Parameters)
{
	TestNotNull(TEXT("The module by name"), FModuleManager::Get().LoadModule(TEXT("ZOVAJson")));
	TestTrue(TEXT("The module is loaded"), FModuleManager::Get().IsModuleLoaded(TEXT("ZOVAJson")));
	UClass* const Library = UZOVABlueprintFunctionLibrary::StaticClass();
	TestTrue(TEXT("The class by path"), FindObject<UClass>(nullptr, TEXT("/Script/ZOVAJson.ZOVABlueprintFunctionLibrary")) == Library);
	TestTrue(TEXT("A Blueprint function library"), Library->GetSuperClass() == UBlueprintFunctionLibrary::StaticClass());
	return true;
}

bool FZOVAJsonLibraryFunctionsTest::RunTest(const FString& Parameters)
{
	struct FCase
	{
		const TCHAR* Function;
		/** Each parameter as "<C++ type> <name>", with "out " before the outputs the node's pins show. */
		TArray<FString> Parameters;
		const TCHAR* ToolTipStart;
		const TCHAR* AutoCreateRefTerm;
	};
	const FCase Cases[] = {
		{TEXT("OnJsonAnalyze"), {TEXT("FString InJson"), TEXT("TArray<FString> InKey"), TEXT("out TArray<FString> OutValue"), TEXT("out bool ReturnValue")}, TEXT("Reads one value per key out of a JSON object, in key order."), TEXT("InKey")},
		{TEXT("OnJsonToArray"), {TEXT("FString InJson"), TEXT("out TArray<FString> OutValue"), TEXT("out bool ReturnValue")}, TEXT("Splits the text of a JSON array into its elements, in order."), nullptr},
		{TEXT("OnCreateJson"), {TEXT("TMap<FString, FString> InMap"), TEXT("out FString OutJson"), TEXT("out bool ReturnValue")}, TEXT("Builds a JSON object with one member per map entry, in map order."), TEXT("InMap")},
		{TEXT("OnCreateJsonArray"), {TEXT("TArray<FString> InArray"), TEXT("out FString OutJson"), TEXT("out bool ReturnValue")}, TEXT("Builds a JSON array from the elements, in order."), nullptr},
		{TEXT("OnArrayOut"), {TEXT("TArray<FString> InArray"), TEXT("int32 Index"), TEXT("out FString ReturnValue")}, TEXT("Returns one element of a string array."), nullptr},
	};
	for (const FCase& Case : Cases)
	{
		const UFunction* const Function = UZOVABlueprintFunctionLibrary::StaticClass()->FindFunctionByName(Case.Function);
		if (!TestNotNull(Case.Function, Function))
		{
			continue;
		}
		TestTrue(FString::Printf(TEXT("%s is a static pure node function"), Case.Function), Function->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable | FUNC_BlueprintPure));
		// The nodes are what authors place, so the functions stay out of the action menu.
		TestEqualSensitive(FString::Printf(TEXT("%s BlueprintInternalUseOnly"), Case.Function), Function->GetMetaData(TEXT("BlueprintInternalUseOnly")), TEXT("true"));
		TestEqualSensitive(FString::Printf(TEXT("%s Category"), Case.Function), Function->GetMetaData(TEXT("Category")), TEXT("ZOVA Http Json"));
		TestTrue(FString::Printf(TEXT("%s ToolTip"), Case.Function), Function->GetMetaData(TEXT("ToolTip")).StartsWith(Case.ToolTipStart, ESearchCase::CaseSensitive));
		TestEqualSensitive(FString::Printf(TEXT("%s AutoCreateRefTerm"), Case.Function), Function->GetMetaData(TEXT("AutoCreateRefTerm")), Case.AutoCreateRefTerm ? Case.AutoCreateRefTerm : TEXT(""));

		TArray<FString> Parameters;
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			// The Blueprint editor's rule: an out parameter that is not passed by reference is an output pin.
			const bool bOutput = It->HasAnyPropertyFlags(CPF_OutParm) && !It->HasAnyPropertyFlags(CPF_ReferenceParm);
			Parameters.Add(FString::Printf(TEXT("%s%s %s"), bOutput ? TEXT("out ") : TEXT(""), *DescribeType(*It), *It->GetName()));
		}
		TestStringArrayEqual(*this, FString::Printf(TEXT("%s parameters"), Case.Function), Parameters, Case.Parameters);
	}
	return true;
}

bool FZOVAJsonLibraryProcessEventTest::RunTest(const FString& Parameters)
{
	UClass* const Library = UZOVABlueprintFunctionLibrary::StaticClass();
	UFunction* const Function = Library->FindFunctionByName(TEXT("OnJsonAnalyze"));
	UTEST_NOT_NULL(TEXT("OnJsonAnalyze"), Function);

	// The parameters as a compiled Blueprint passes them: one block in the function's layout.
	TArray<uint8> Parms;
	Parms.SetNumZeroed(Function->ParmsSize);
	for (TFieldIterator<FProperty> It(Function); It; ++It)
	{
		It->InitializeValue_InContainer(Parms.GetData());
	}
	const FString Json = TEXT("{\"a\":{\"b\":[10,\"x\"]},\"c\":1.50}");
	const TArray<FString> Keys = {TEXT("/a/b/0"), TEXT("c"), TEXT("d")};
	*Function->FindPropertyByName(TEXT("InJson"))->ContainerPtrToValuePtr<FString>(Parms.GetData()) = Json;
	*Function->FindPropertyByName(TEXT("InKey"))->ContainerPtrToValuePtr<TArray<FString>>(Parms.GetData()) = Keys;
	Library->GetDefaultObject()->ProcessEvent(Function, Parms.GetData());

	TArray<FString> DirectValues;
	const bool bDirect = UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, Keys, DirectValues);
	TestFalse(TEXT("A key is missing"), bDirect);
	TestEqual(TEXT("ProcessEvent's return value"), *Function->GetReturnProperty()->ContainerPtrToValuePtr<bool>(Parms.GetData()), bDirect);
	TestStringArrayEqual(*this, TEXT("ProcessEvent's values"), *Function->FindPropertyByName(TEXT("OutValue"))->ContainerPtrToValuePtr<TArray<FString>>(Parms.GetData()), DirectValues);
	TestStringArrayEqual(*this, TEXT("Values"), DirectValues, {TEXT("10"), TEXT("1.50"), TEXT("")});
	for (TFieldIterator<FProperty> It(Function); It; ++It)
	{
		It->DestroyValue_InContainer(Parms.GetData());
	}
	return true;
}

#endif
