#include "CoreUObject.h"
#include "HostTestPrinting.h"
#include "Modules/ModuleManager.h"
#include "ZOVAHttpRequest.h"

#include <gtest/gtest.h>

class FHttpReflectionTest : public testing::Test
{
protected:
	UClass* Class = UZOVAHttpRequest::StaticClass();
};

TEST_F(FHttpReflectionTest, TheModuleLoadsByNameAndRegistersTheAsyncActionClass)
{
	EXPECT_NE(FModuleManager::Get().LoadModule(TEXT("ZOVAHttp")), nullptr);
	EXPECT_EQ(FindObject<UClass>(nullptr, TEXT("/Script/ZOVAHttp.ZOVAHttpRequest")), Class);
	EXPECT_EQ(Class->GetSuperClass()->GetName(), TEXT("BlueprintAsyncActionBase"));
	UFunction* const Activate = Class->FindFunctionByName(TEXT("Activate"));
	ASSERT_NE(Activate, nullptr);
	EXPECT_EQ(Activate->GetMetaData(TEXT("BlueprintInternalUseOnly")), TEXT("true"));
}

TEST_F(FHttpReflectionTest, FactoriesAreHiddenCallableNodesWithTheirTexts)
{
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
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Function));
		UFunction* const Function = Class->FindFunctionByName(Case.Function);
		ASSERT_NE(Function, nullptr);
		EXPECT_TRUE(Function->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable));
		EXPECT_FALSE(Function->HasAnyFunctionFlags(FUNC_BlueprintPure));
		EXPECT_TRUE(Function->GetMetaData(TEXT("DisplayName")).Equals(Case.DisplayName, ESearchCase::CaseSensitive));
		EXPECT_TRUE(Function->GetMetaData(TEXT("ToolTip")).Equals(Case.ToolTip, ESearchCase::CaseSensitive));
		EXPECT_EQ(Function->GetMetaData(TEXT("Category")), TEXT("ZOVA Http Json"));
		EXPECT_EQ(Function->GetMetaData(TEXT("BlueprintInternalUseOnly")), TEXT("true"));

		TArray<FString> Parameters;
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			if (It->HasAnyPropertyFlags(CPF_ReturnParm))
			{
				const FObjectPropertyBase* const Return = CastField<FObjectPropertyBase>(*It);
				ASSERT_NE(Return, nullptr);
				EXPECT_EQ(Return->PropertyClass, Class);
			}
			else
			{
				EXPECT_EQ(It->GetCPPType(), TEXT("FString"));
				Parameters.Add(It->GetName());
			}
		}
		EXPECT_TRUE(FString::Join(Parameters, TEXT(" ")).Equals(Case.Parameters, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*FString::Join(Parameters, TEXT(" ")));
	}
}

TEST_F(FHttpReflectionTest, OutputsAreAssignableDelegatesOfTheSharedSignature)
{
	const TPair<const TCHAR*, const TCHAR*> Cases[] = {{TEXT("OnSuccess"), TEXT("成功返回")}, {TEXT("OnFail"), TEXT("失败返回")}};
	for (const TPair<const TCHAR*, const TCHAR*>& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Key));
		const FMulticastDelegateProperty* const Property = CastField<FMulticastDelegateProperty>(Class->FindPropertyByName(Case.Key));
		ASSERT_NE(Property, nullptr);
		EXPECT_TRUE(Property->HasAnyPropertyFlags(CPF_BlueprintAssignable));
		EXPECT_TRUE(Property->GetMetaData(TEXT("ToolTip")).Equals(Case.Value, ESearchCase::CaseSensitive));

		const UFunction* const Signature = Property->SignatureFunction;
		ASSERT_NE(Signature, nullptr);
		EXPECT_EQ(Signature->GetName(), TEXT("HttpResponseDelegatge__DelegateSignature"));
		EXPECT_TRUE(Signature->GetMetaData(TEXT("ToolTip")).Equals(TEXT("UMulticastDelegateProperty\n只能支持一个 Delegate Signature"), ESearchCase::CaseSensitive));
		TArray<FString> Parameters;
		for (TFieldIterator<FProperty> It(Signature); It; ++It)
		{
			Parameters.Add(It->GetCPPType() + TEXT(" ") + It->GetName());
		}
		EXPECT_TRUE(FString::Join(Parameters, TEXT(", ")).Equals(TEXT("int32 Code, FString Data"), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*FString::Join(Parameters, TEXT(", ")));
	}
}
