#include "ZOVABlueprintFunctionLibrary.h"

#include "CoreUObject.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

class FLibraryReflectionTest : public testing::Test
{
protected:
	UClass* Library = UZOVABlueprintFunctionLibrary::StaticClass();
};

TEST_F(FLibraryReflectionTest, ModuleLoadsByNameAndRegistersTheLibrary)
{
	EXPECT_NE(FModuleManager::Get().LoadModule(TEXT("ZOVAJson")), nullptr);
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("ZOVAJson")));
	EXPECT_EQ(FindObject<UClass>(nullptr, TEXT("/Script/ZOVAJson.ZOVABlueprintFunctionLibrary")), Library);
	EXPECT_EQ(Library->GetSuperClass()->GetName(), TEXT("BlueprintFunctionLibrary"));
}

TEST_F(FLibraryReflectionTest, FunctionsHaveTheParametersTheNodesLookUp)
{
	struct FParm
	{
		const TCHAR* Name;
		FString CppType;
		bool bOut;
	};
	struct FCase
	{
		const TCHAR* Function;
		TArray<FParm> Parms;
	};
	const FCase Cases[] = {
		{TEXT("OnJsonAnalyze"), {{TEXT("InJson"), TEXT("FString"), false}, {TEXT("InKey"), TEXT("TArray<FString>"), false}, {TEXT("OutValue"), TEXT("TArray<FString>"), true}, {TEXT("ReturnValue"), TEXT("bool"), true}}},
		{TEXT("OnJsonToArray"), {{TEXT("InJson"), TEXT("FString"), false}, {TEXT("OutValue"), TEXT("TArray<FString>"), true}, {TEXT("ReturnValue"), TEXT("bool"), true}}},
		{TEXT("OnCreateJson"), {{TEXT("InMap"), TEXT("TMap<FString, FString>"), false}, {TEXT("OutJson"), TEXT("FString"), true}, {TEXT("ReturnValue"), TEXT("bool"), true}}},
		{TEXT("OnCreateJsonArray"), {{TEXT("InArray"), TEXT("TArray<FString>"), false}, {TEXT("OutJson"), TEXT("FString"), true}, {TEXT("ReturnValue"), TEXT("bool"), true}}},
		{TEXT("OnArrayOut"), {{TEXT("InArray"), TEXT("TArray<FString>"), false}, {TEXT("Index"), TEXT("int32"), false}, {TEXT("ReturnValue"), TEXT("FString"), true}}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Function));
		UFunction* Function = Library->FindFunctionByName(FName(Case.Function));
		ASSERT_NE(Function, nullptr);
		EXPECT_TRUE(Function->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable | FUNC_BlueprintPure));
		EXPECT_EQ(Function->GetMetaData(TEXT("BlueprintInternalUseOnly")), TEXT("true")) << "the nodes are what authors place";
		int32 Index = 0;
		for (TFieldIterator<FProperty> It(Function); It; ++It, ++Index)
		{
			ASSERT_LT(Index, Case.Parms.Num());
			EXPECT_EQ(It->GetName(), Case.Parms[Index].Name);
			EXPECT_EQ(It->GetCPPType(), Case.Parms[Index].CppType);
			// The Blueprint editor's rule: an out parameter that is not passed by reference is an output pin.
			const bool bOutput = It->HasAnyPropertyFlags(CPF_OutParm) && !It->HasAnyPropertyFlags(CPF_ReferenceParm);
			EXPECT_EQ(bOutput, Case.Parms[Index].bOut);
		}
		EXPECT_EQ(Index, Case.Parms.Num());
	}
}

TEST_F(FLibraryReflectionTest, ProcessEventMatchesTheDirectCall)
{
	UFunction* Function = Library->FindFunctionByName(TEXT("OnJsonAnalyze"));
	ASSERT_NE(Function, nullptr);
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
	EXPECT_EQ(*Function->GetReturnProperty()->ContainerPtrToValuePtr<bool>(Parms.GetData()), bDirect);
	EXPECT_EQ(*Function->FindPropertyByName(TEXT("OutValue"))->ContainerPtrToValuePtr<TArray<FString>>(Parms.GetData()), DirectValues);
	EXPECT_EQ(DirectValues, (TArray<FString>{TEXT("10"), TEXT("1.50"), TEXT("")}));
	for (TFieldIterator<FProperty> It(Function); It; ++It)
	{
		It->DestroyValue_InContainer(Parms.GetData());
	}
}
