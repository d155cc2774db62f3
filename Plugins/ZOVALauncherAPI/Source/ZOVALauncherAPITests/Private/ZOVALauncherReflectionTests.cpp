// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "Modules/ModuleManager.h"
#include "UObject/UnrealType.h"
#include "ZOVAAesLibrary.h"
#include "ZOVADesLibrary.h"

#if WITH_DEV_AUTOMATION_TESTS

namespace
{
	const TCHAR* const LauncherCategory = TEXT("ZOVA启动器API");

	/** The metadata value, or "<none>" when the key is missing. */
	FString GetMeta(const UFunction* Function, const TCHAR* Key)
	{
		const FString* const Value = Function->FindMetaData(Key);
		return Value ? *Value : FString(TEXT("<none>"));
	}
}

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVALauncherModuleTest, "ZOVA.Launcher.Reflection.Module", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVALauncherAccessorsTest, "ZOVA.Launcher.Reflection.Accessors", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVALauncherSetAPPKeyTest, "ZOVA.Launcher.Reflection.SetAPPKey", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVALauncherModuleTest::RunTest(const FString& Parameters)
{
	TestNotNull(TEXT("The module by name"), FModuleManager::Get().LoadModule(TEXT("ZOVALauncherAPI")));
	TestTrue(TEXT("The Des library by path"), FindObject<UClass>(nullptr, TEXT("/Script/ZOVALauncherAPI.ZOVADesLibrary")) == UZOVADesLibrary::StaticClass());
	TestTrue(TEXT("The Aes library by path"), FindObject<UClass>(nullptr, TEXT("/Script/ZOVALauncherAPI.ZOVAAesLibrary")) == UZOVAAesLibrary::StaticClass());
	for (const UClass* const Library : {UZOVADesLibrary::StaticClass(), UZOVAAesLibrary::StaticClass()})
	{
		TestEqualSensitive(*FString::Printf(TEXT("The package of %s"), *Library->GetName()), Library->GetOuter()->GetName(), TEXT("/Script/ZOVALauncherAPI"));
		TestTrue(FString::Printf(TEXT("%s is a Blueprint function library"), *Library->GetName()), Library->GetSuperClass() == UBlueprintFunctionLibrary::StaticClass());
	}
	TestFalse(TEXT("The Aes library has functions"), bool(TFieldIterator<UFunction>(UZOVAAesLibrary::StaticClass(), EFieldIteratorFlags::ExcludeSuper)));

	struct FEnumCase
	{
		const TCHAR* Path;
		TArray<FString> DisplayNames;
	};
	const FEnumCase Enums[] = {
		{TEXT("/Script/ZOVALauncherAPI.EPadding"), {TEXT("ZERO"), TEXT("PKCS7"), TEXT("PKCS5"), TEXT("ISO10126"), TEXT("ANSIX923")}},
		{TEXT("/Script/ZOVALauncherAPI.EBit"), {TEXT("128bit"), TEXT("192bit"), TEXT("256bit")}},
		{TEXT("/Script/ZOVALauncherAPI.EDecryptType"), {TEXT("HEX"), TEXT("BASE64")}},
	};
	for (const FEnumCase& Case : Enums)
	{
		const UEnum* const Enum = FindObject<UEnum>(nullptr, Case.Path);
		if (!TestNotNull(Case.Path, Enum))
		{
			continue;
		}
		TestEqualSensitive(*FString::Printf(TEXT("%s BlueprintType"), Case.Path), Enum->GetMetaData(TEXT("BlueprintType")), TEXT("true"));
		for (int32 Index = 0; Index < Case.DisplayNames.Num(); ++Index)
		{
			TestEqual(*FString::Printf(TEXT("%s value %d"), Case.Path, Index), (int32)Enum->GetValueByIndex(Index), Index);
			TestEqualSensitive(*FString::Printf(TEXT("%s display name %d"), Case.Path, Index), Enum->GetDisplayNameTextByIndex(Index).ToString(), Case.DisplayNames[Index]);
		}
	}
	return true;
}

bool FZOVALauncherAccessorsTest::RunTest(const FString& Parameters)
{
	struct FCase
	{
		const TCHAR* Function;
		const TCHAR* ReturnType;
		const TCHAR* DisplayName;
		const TCHAR* ToolTip;
		const TCHAR* Keywords;
	};
	const FCase Cases[] = {
		{TEXT("Alreadyloggedin"), TEXT("bool"), TEXT("已登录"), TEXT("用户已登录"), TEXT("用户参数")},
		{TEXT("APIPort"), TEXT("FString"), TEXT("API接口"), TEXT("API接口"), TEXT("API")},
		{TEXT("ApplicationSwitch"), TEXT("bool"), TEXT("应用开关"), TEXT("应用开关/应用是否开放"), TEXT("应用参数")},
		{TEXT("ApplyID"), TEXT("FString"), TEXT("应用ID"), TEXT("应用ID/一般用于API接口用途"), TEXT("应用参数")},
		{TEXT("ApplyOtherData"), TEXT("FString"), TEXT("应用其他数据"), TEXT("应用其他数据 后续数据增加"), TEXT("其他数据")},
		{TEXT("CategoryName"), TEXT("FString"), TEXT("分类名称"), TEXT("分类目录名称"), TEXT("应用参数")},
		{TEXT("ChineseName"), TEXT("FString"), TEXT("中文名字"), TEXT("应用中文名字"), TEXT("应用参数")},
		{TEXT("CurrentLevel"), TEXT("FString"), TEXT("当前关卡"), TEXT("玩家进度关卡"), TEXT("用户参数")},
		{TEXT("DataDebug"), TEXT("FString"), TEXT("数据调试"), TEXT("数据调试节点"), TEXT("其他数据")},
		{TEXT("EnglishName"), TEXT("FString"), TEXT("英文字母拼音"), TEXT("英文_字母_拼音/应用特殊识别码"), TEXT("应用参数")},
		{TEXT("ExperienceValue"), TEXT("FString"), TEXT("经验值"), TEXT("经验值"), TEXT("用户参数")},
		{TEXT("Grade"), TEXT("FString"), TEXT("等级"), TEXT("等级"), TEXT("用户参数")},
		{TEXT("ZOVA_APPaths"), TEXT("FString"), TEXT("当前应用路径"), TEXT("当前应用路径"), TEXT("应用参数")},
		{TEXT("ZOVA_Login"), TEXT("FString"), TEXT("登录接口"), TEXT("登录接口"), TEXT("API接口")},
		{TEXT("MyLogo"), TEXT("FString"), TEXT("Logo"), TEXT("用户文字logo"), TEXT("用户参数")},
		{TEXT("OkAPIPort"), TEXT("FString"), TEXT("API接口https"), TEXT("https API接口"), TEXT("API")},
		{TEXT("OtherUserData"), TEXT("FString"), TEXT("用户其他数据"), TEXT("用户其他数据 后续数据增加"), TEXT("其他数据")},
		{TEXT("PathData"), TEXT("FString"), TEXT("启动器路径"), TEXT("启动器路径"), TEXT("系统设置")},
		{TEXT("ProductUse"), TEXT("FString"), TEXT("应用说明"), TEXT("应用说明/介绍应用功能用途等"), TEXT("应用参数")},
		{TEXT("ProfilePicture"), TEXT("FString"), TEXT("头像"), TEXT("头像"), TEXT("用户参数")},
		{TEXT("Score"), TEXT("FString"), TEXT("成绩"), TEXT("成绩"), TEXT("用户参数")},
		{TEXT("Signature"), TEXT("FString"), TEXT("签名"), TEXT("签名"), TEXT("用户参数")},
		{TEXT("SUID"), TEXT("FString"), TEXT("用户ID"), TEXT("用户ID"), TEXT("用户参数")},
		{TEXT("URLs"), TEXT("FString"), TEXT("应用链接"), TEXT("应用链接地址/一般应用指定网页链接"), TEXT("应用参数")},
		{TEXT("UserGold"), TEXT("FString"), TEXT("金币"), TEXT("用户金币"), TEXT("用户参数")},
		{TEXT("UserName"), TEXT("FString"), TEXT("用户名"), TEXT("用户名"), TEXT("用户参数")},
		{TEXT("UserNetname"), TEXT("FString"), TEXT("用户网名"), TEXT("用户网名"), TEXT("用户参数")},
		{TEXT("UserPassword"), TEXT("FString"), TEXT("密码"), TEXT("用户密码"), TEXT("用户参数")},
		{TEXT("Versions"), TEXT("FString"), TEXT("版本"), TEXT("版本管理/和当前版本做比较"), TEXT("应用参数")},
	};
	for (const FCase& Case : Cases)
	{
		const UFunction* const Function = UZOVADesLibrary::StaticClass()->FindFunctionByName(Case.Function);
		if (!TestNotNull(Case.Function, Function))
		{
			continue;
		}
		TestTrue(FString::Printf(TEXT("%s is a static pure function"), Case.Function), Function->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable | FUNC_BlueprintPure));
		const FProperty* const Return = Function->GetReturnProperty();
		TestEqualSensitive(FString::Printf(TEXT("%s return type"), Case.Function), Return ? Return->GetCPPType() : FString(), Case.ReturnType);
		TestEqualSensitive(FString::Printf(TEXT("%s DisplayName"), Case.Function), GetMeta(Function, TEXT("DisplayName")), Case.DisplayName);
		TestEqualSensitive(FString::Printf(TEXT("%s ToolTip"), Case.Function), GetMeta(Function, TEXT("ToolTip")), Case.ToolTip);
		TestEqualSensitive(FString::Printf(TEXT("%s Keywords"), Case.Function), GetMeta(Function, TEXT("Keywords")), Case.Keywords);
		TestEqualSensitive(FString::Printf(TEXT("%s Category"), Case.Function), GetMeta(Function, TEXT("Category")), LauncherCategory);
	}

	const UFunction* const DataDebug = UZOVADesLibrary::StaticClass()->FindFunctionByName(TEXT("DataDebug"));
	const FProperty* const NodeName = DataDebug ? DataDebug->FindPropertyByName(TEXT("NodeName")) : nullptr;
	if (TestNotNull(TEXT("The NodeName pin of DataDebug"), NodeName))
	{
		TestEqualSensitive(TEXT("The NodeName pin's type"), NodeName->GetCPPType(), TEXT("FString"));
	}
	// The token stays out of Blueprints; ZOVA_Login puts it into the URL.
	TestNull(TEXT("A function that gives the token"), UZOVADesLibrary::StaticClass()->FindFunctionByName(TEXT("GetHubSpaceToken")));
	return true;
}

bool FZOVALauncherSetAPPKeyTest::RunTest(const FString& Parameters)
{
	const UFunction* const SetAPPKey = UZOVADesLibrary::StaticClass()->FindFunctionByName(TEXT("SetAPPKey"));
	UTEST_NOT_NULL(TEXT("SetAPPKey"), SetAPPKey);
	TestTrue(TEXT("A static callable function"), SetAPPKey->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable));
	TestFalse(TEXT("A pure function"), SetAPPKey->HasAnyFunctionFlags(FUNC_BlueprintPure));
	TestEqualSensitive(TEXT("DisplayName"), GetMeta(SetAPPKey, TEXT("DisplayName")), TEXT("初始化Hub数据"));
	TestEqualSensitive(TEXT("Keywords"), GetMeta(SetAPPKey, TEXT("Keywords")), TEXT("系统参数"));
	TestEqualSensitive(TEXT("Category"), GetMeta(SetAPPKey, TEXT("Category")), LauncherCategory);
	TArray<FString> Pins;
	for (TFieldIterator<FProperty> It(SetAPPKey); It; ++It)
	{
		Pins.Add(It->GetName() + TEXT(":") + It->GetCPPType());
	}
	TestEqualSensitive(TEXT("Input pins"), FString::Join(Pins, TEXT(" ")), TEXT("AppKey:FString LauncherPath:FString"));
	return true;
}

#endif
