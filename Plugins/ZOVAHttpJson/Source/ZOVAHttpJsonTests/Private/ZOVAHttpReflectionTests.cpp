// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Kismet/BlueprintAsyncActionBase.h"
#include "Misc/AutomationTest.h"
#include "Modules/ModuleManager.h"
#include "UObject/UnrealType.h"
#include "ZOVAHttpNodeRun.h"

#if WITH_DEV_AUTOMATION_TESTS

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAHttpModuleTest, "ZOVA.Http.Reflection.Module", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAHttpFactoriesTest, "ZOVA.Http.Reflection.Factories", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAHttpOutputsTest, "ZOVA.Http.Reflection.Outputs", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAHttpModuleTest::RunTest(const FString& Parameters)
{
	TestNotNull(TEXT("The module by name"), FModuleManager::Get().LoadModule(TEXT("ZOVAHttp")));
	UClass* const Class = FZOVAHttpNodeRun::FindRequestClass();
	UTEST_NOT_NULL(TEXT("The request class by path"), Class);
	TestTrue(TEXT("An async action"), Class->GetSuperClass() == UBlueprintAsyncActionBase::StaticClass());
	const UFunction* const Activate = Class->FindFunctionByName(TEXT("Activate"));
	UTEST_NOT_NULL(TEXT("Activate"), Activate);
	TestEqualSensitive(TEXT("Activate is for the node only"), Activate->GetMetaData(TEXT("BlueprintInternalUseOnly")), TEXT("true"));
	return true;
}

bool FZOVAHttpFactoriesTest::RunTest(const FString& Parameters)
{
	UClass* const Class = FZOVAHttpNodeRun::FindRequestClass();
	UTEST_NOT_NULL(TEXT("The request class"), Class);
	struct FCase
	{
		const TCHAR* Function;
		const TCHAR* DisplayName;
		const TCHAR* ToolTip;
		const TCHAR* Parameters;
	};
	const FCase Cases[] = {
		{TEXT("HttpGetRequest"), TEXT("Http Get Request"), TEXT("Http Get 请求"), TEXT("Url")},
		{TEXT("HttpPostRequest"), TEXT("Http Post Request\uFF08Json\uFF09"), TEXT("Http Post 请求"), TEXT("Url Json")},
		{TEXT("HttpPostFormRequest"), TEXT("Http Post Request\uFF08Form\uFF09"), TEXT("Http Post 请求"), TEXT("Url Form")},
	};
	for (const FCase& Case : Cases)
	{
		const UFunction* const Function = Class->FindFunctionByName(Case.Function);
		if (!TestNotNull(Case.Function, Function))
		{
			continue;
		}
		TestTrue(FString::Printf(TEXT("%s is a static callable function"), Case.Function), Function->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable));
		TestFalse(FString::Printf(TEXT("%s is pure"), Case.Function), Function->HasAnyFunctionFlags(FUNC_BlueprintPure));
		TestEqualSensitive(FString::Printf(TEXT("%s DisplayName"), Case.Function), Function->GetMetaData(TEXT("DisplayName")), Case.DisplayName);
		TestEqualSensitive(FString::Printf(TEXT("%s ToolTip"), Case.Function), Function->GetMetaData(TEXT("ToolTip")), Case.ToolTip);
		TestEqualSensitive(FString::Printf(TEXT("%s Category"), Case.Function), Function->GetMetaData(TEXT("Category")), TEXT("ZOVA Http Json"));
		// The async node is what authors place.
		TestEqualSensitive(FString::Printf(TEXT("%s BlueprintInternalUseOnly"), Case.Function), Function->GetMetaData(TEXT("BlueprintInternalUseOnly")), TEXT("true"));

		TArray<FString> Inputs;
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			if (It->HasAnyPropertyFlags(CPF_ReturnParm))
			{
				const FObjectPropertyBase* const Return = CastField<FObjectPropertyBase>(*It);
				TestTrue(FString::Printf(TEXT("%s returns the action"), Case.Function), Return && Return->PropertyClass == Class);
			}
			else
			{
				TestEqualSensitive(FString::Printf(TEXT("%s %s type"), Case.Function, *It->GetName()), It->GetCPPType(), TEXT("FString"));
				Inputs.Add(It->GetName());
			}
		}
		TestEqualSensitive(FString::Printf(TEXT("%s inputs"), Case.Function), FString::Join(Inputs, TEXT(" ")), Case.Parameters);
	}
	return true;
}

bool FZOVAHttpOutputsTest::RunTest(const FString& Parameters)
{
	UClass* const Class = FZOVAHttpNodeRun::FindRequestClass();
	UTEST_NOT_NULL(TEXT("The request class"), Class);
	const TPair<const TCHAR*, const TCHAR*> Cases[] = {{TEXT("OnSuccess"), TEXT("成功返回")}, {TEXT("OnFail"), TEXT("失败返回")}};
	for (const TPair<const TCHAR*, const TCHAR*>& Case : Cases)
	{
		const FMulticastDelegateProperty* const Property = CastField<FMulticastDelegateProperty>(Class->FindPropertyByName(Case.Key));
		if (!TestNotNull(Case.Key, Property))
		{
			continue;
		}
		TestTrue(FString::Printf(TEXT("%s is assignable"), Case.Key), Property->HasAnyPropertyFlags(CPF_BlueprintAssignable));
		TestEqualSensitive(FString::Printf(TEXT("%s ToolTip"), Case.Key), Property->GetMetaData(TEXT("ToolTip")), Case.Value);

		const UFunction* const Signature = Property->SignatureFunction;
		if (!TestNotNull(*FString::Printf(TEXT("%s signature"), Case.Key), Signature))
		{
			continue;
		}
		TestEqualSensitive(FString::Printf(TEXT("%s signature name"), Case.Key), Signature->GetName(), TEXT("HttpResponseDelegatge__DelegateSignature"));
		TestEqualSensitive(FString::Printf(TEXT("%s signature ToolTip"), Case.Key), Signature->GetMetaData(TEXT("ToolTip")), TEXT("UMulticastDelegateProperty\n只能支持一个 Delegate Signature"));
		TArray<FString> Pins;
		for (TFieldIterator<FProperty> It(Signature); It; ++It)
		{
			Pins.Add(It->GetCPPType() + TEXT(" ") + It->GetName());
		}
		TestEqualSensitive(FString::Printf(TEXT("%s pins"), Case.Key), FString::Join(Pins, TEXT(", ")), TEXT("int32 Code, FString Data"));
	}
	return true;
}

#endif
