#include "CoreUObject.h"
#include "LauncherTestSupport.h"
#include "Modules/ModuleManager.h"
#include "ZOVAAesLibrary.h"
#include "ZOVADesLibrary.h"

#include <gtest/gtest.h>

using namespace LauncherTest;

namespace
{
	const std::string LauncherCategory = "ZOVA启动器API";

	std::string GetMeta(const UFunction* Function, const TCHAR* Key)
	{
		const FString* Value = Function->FindMetaData(Key);
		return Value ? Utf8(*Value) : std::string("<none>");
	}
}

class FLauncherReflectionTest : public testing::Test
{
protected:
	UClass* DesLibrary = UZOVADesLibrary::StaticClass();
};

TEST_F(FLauncherReflectionTest, ModuleRegistersItsPackageClassesAndEnums)
{
	EXPECT_NE(FModuleManager::Get().LoadModule(TEXT("ZOVALauncherAPI")), nullptr);
	EXPECT_EQ(FindObject<UClass>(nullptr, TEXT("/Script/ZOVALauncherAPI.ZOVADesLibrary")), DesLibrary);
	EXPECT_EQ(FindObject<UClass>(nullptr, TEXT("/Script/ZOVALauncherAPI.ZOVAAesLibrary")), UZOVAAesLibrary::StaticClass());
	for (const UClass* Library : {DesLibrary, UZOVAAesLibrary::StaticClass()})
	{
		SCOPED_TRACE(Utf8(Library->GetName()));
		EXPECT_EQ(Utf8(Library->GetOutermost()->GetName()), "/Script/ZOVALauncherAPI");
		EXPECT_EQ(Library->GetSuperClass(), UBlueprintFunctionLibrary::StaticClass());
	}
	EXPECT_FALSE(TFieldIterator<UFunction>(UZOVAAesLibrary::StaticClass(), EFieldIteratorFlags::ExcludeSuper));

	const std::pair<const TCHAR*, std::vector<std::string>> EnumCases[] = {
		{TEXT("/Script/ZOVALauncherAPI.EPadding"), {"ZERO", "PKCS7", "PKCS5", "ISO10126", "ANSIX923"}},
		{TEXT("/Script/ZOVALauncherAPI.EBit"), {"128bit", "192bit", "256bit"}},
		{TEXT("/Script/ZOVALauncherAPI.EDecryptType"), {"HEX", "BASE64"}},
	};
	for (const auto& [Path, DisplayNames] : EnumCases)
	{
		SCOPED_TRACE(Utf8(Path));
		const UEnum* Enum = FindObject<UEnum>(nullptr, Path);
		ASSERT_NE(Enum, nullptr);
		EXPECT_EQ(Utf8(Enum->GetMetaData(TEXT("BlueprintType"))), "true");
		for (int32 Index = 0; Index < (int32)DisplayNames.size(); ++Index)
		{
			EXPECT_EQ(Enum->GetValueByIndex(Index), Index);
			EXPECT_EQ(Utf8(Enum->GetDisplayNameTextByIndex(Index).ToString()), DisplayNames[Index]);
		}
	}
}

TEST_F(FLauncherReflectionTest, AccessorsShowTheirNamesTooltipsAndKeywords)
{
	struct FCase
	{
		const char* Function;
		const char* ReturnType;
		const char* DisplayName;
		const char* ToolTip;
		const char* Keywords;
	};
	const FCase Cases[] = {
		{"Alreadyloggedin", "bool", "已登录", "用户已登录", "用户参数"},
		{"APIPort", "FString", "API接口", "API接口", "API"},
		{"ApplicationSwitch", "bool", "应用开关", "应用开关/应用是否开放", "应用参数"},
		{"ApplyID", "FString", "应用ID", "应用ID/一般用于API接口用途", "应用参数"},
		{"ApplyOtherData", "FString", "应用其他数据", "应用其他数据 后续数据增加", "其他数据"},
		{"CategoryName", "FString", "分类名称", "分类目录名称", "应用参数"},
		{"ChineseName", "FString", "中文名字", "应用中文名字", "应用参数"},
		{"CurrentLevel", "FString", "当前关卡", "玩家进度关卡", "用户参数"},
		{"DataDebug", "FString", "数据调试", "数据调试节点", "其他数据"},
		{"EnglishName", "FString", "英文字母拼音", "英文_字母_拼音/应用特殊识别码", "应用参数"},
		{"ExperienceValue", "FString", "经验值", "经验值", "用户参数"},
		{"Grade", "FString", "等级", "等级", "用户参数"},
		{"ZOVA_APPaths", "FString", "当前应用路径", "当前应用路径", "应用参数"},
		{"ZOVA_Login", "FString", "登录接口", "登录接口", "API接口"},
		{"MyLogo", "FString", "Logo", "用户文字logo", "用户参数"},
		{"OkAPIPort", "FString", "API接口https", "https API接口", "API"},
		{"OtherUserData", "FString", "用户其他数据", "用户其他数据 后续数据增加", "其他数据"},
		{"PathData", "FString", "启动器路径", "启动器路径", "系统设置"},
		{"ProductUse", "FString", "应用说明", "应用说明/介绍应用功能用途等", "应用参数"},
		{"ProfilePicture", "FString", "头像", "头像", "用户参数"},
		{"Score", "FString", "成绩", "成绩", "用户参数"},
		{"Signature", "FString", "签名", "签名", "用户参数"},
		{"SUID", "FString", "用户ID", "用户ID", "用户参数"},
		{"URLs", "FString", "应用链接", "应用链接地址/一般应用指定网页链接", "应用参数"},
		{"UserGold", "FString", "金币", "用户金币", "用户参数"},
		{"UserName", "FString", "用户名", "用户名", "用户参数"},
		{"UserNetname", "FString", "用户网名", "用户网名", "用户参数"},
		{"UserPassword", "FString", "密码", "用户密码", "用户参数"},
		{"Versions", "FString", "版本", "版本管理/和当前版本做比较", "应用参数"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Function);
		const UFunction* Function = DesLibrary->FindFunctionByName(FName(Case.Function));
		ASSERT_NE(Function, nullptr);
		EXPECT_TRUE(Function->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable | FUNC_BlueprintPure));
		EXPECT_EQ(Utf8(Function->GetReturnProperty()->GetCPPType()), Case.ReturnType);
		EXPECT_EQ(GetMeta(Function, TEXT("DisplayName")), Case.DisplayName);
		EXPECT_EQ(GetMeta(Function, TEXT("ToolTip")), Case.ToolTip);
		EXPECT_EQ(GetMeta(Function, TEXT("Keywords")), Case.Keywords);
		EXPECT_EQ(GetMeta(Function, TEXT("Category")), LauncherCategory);
	}

	const UFunction* DataDebug = DesLibrary->FindFunctionByName(TEXT("DataDebug"));
	const FProperty* NodeName = DataDebug->FindPropertyByName(TEXT("NodeName"));
	ASSERT_NE(NodeName, nullptr);
	EXPECT_EQ(Utf8(NodeName->GetCPPType()), "FString");
	EXPECT_FALSE(DesLibrary->FindFunctionByName(TEXT("GetHubSpaceToken")));
}

TEST_F(FLauncherReflectionTest, SetAPPKeyIsAnExecNodeWithTwoTextPins)
{
	const UFunction* SetAPPKey = DesLibrary->FindFunctionByName(TEXT("SetAPPKey"));
	ASSERT_NE(SetAPPKey, nullptr);
	EXPECT_TRUE(SetAPPKey->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable));
	EXPECT_FALSE(SetAPPKey->HasAnyFunctionFlags(FUNC_BlueprintPure));
	EXPECT_EQ(GetMeta(SetAPPKey, TEXT("DisplayName")), "初始化Hub数据");
	EXPECT_EQ(GetMeta(SetAPPKey, TEXT("Keywords")), "系统参数");
	EXPECT_EQ(GetMeta(SetAPPKey, TEXT("Category")), LauncherCategory);
	std::vector<std::string> Parameters;
	for (TFieldIterator<FProperty> It(SetAPPKey); It; ++It)
	{
		Parameters.push_back(Utf8(It->GetName()) + ":" + Utf8(It->GetCPPType()));
	}
	EXPECT_EQ(Parameters, (std::vector<std::string>{"AppKey:FString", "LauncherPath:FString"}));
}
