#include "Engine/Engine.h"
#include "JsonTextCheckCases.h"
#include "LauncherTestSupport.h"
#include "LogCapture.h"
#include "ZOVADesLibrary.h"
#include "ZOVAHubJson.h"
#include "ZOVAHubJsonCheck.h"

#include <gtest/gtest.h>

using namespace LauncherTest;

class FSessionAccessorTest : public testing::Test
{
protected:
	virtual void SetUp() override { ResetHubStore(); }
	virtual void TearDown() override { ResetHubStore(); }

	/** Loads Document through a launcher folder encrypted by openssl, as the launcher leaves it. */
	void Load(const FString& Document)
	{
		const FString Token = TEXT("ZOVA-token-2024");
		WriteLauncherFolder(Folder, Utf8(Token), EncryptDocument(Document, Token));
		UZOVADesLibrary::SetAPPKey(TEXT("app-key"), Folder.GetPath());
	}

	FScopedTestEngine Engine;
	FTempFolder Folder;
};

TEST_F(FSessionAccessorTest, EveryAccessorReadsItsMember)
{
	Load(TEXT(R"({
		"SpaceUrl": "api.zova.example", "SpaceToken": "tok", "Appid": "A-100", "ChineseName": "星际探索",
		"EnglishName": "StarTrek", "CategoryTable": "冒险", "Description": "一款太空游戏", "Version": "1.2.0",
		"IsEnabled": true, "RootPath": "D:\\ZOVA", "Username": "zhang", "DisplayName": "小张", "UserId": "42",
		"Password": "pw", "Balance": 1500, "ProfilePicture": "https://img/1.png", "Alreadyloggedin": "yes",
		"CurrentLevel": "第三关", "Score": 98.5, "ExperienceValue": "300", "Grade": "黄金", "ApplyOtherData": "{}",
		"OtherUserData": ""
	})"));
	FLogCapture Log;
	struct FCase
	{
		const char* Name;
		FString (*Accessor)();
		std::string Value;
	};
	const FCase Cases[] = {
		{"APIPort", &UZOVADesLibrary::APIPort, "api.zova.example"},
		{"URLs", &UZOVADesLibrary::URLs, "api.zova.example"},
		{"ApplyID", &UZOVADesLibrary::ApplyID, "A-100"},
		{"ApplyOtherData", &UZOVADesLibrary::ApplyOtherData, "{}"},
		{"CategoryName", &UZOVADesLibrary::CategoryName, "冒险"},
		{"ChineseName", &UZOVADesLibrary::ChineseName, "星际探索"},
		{"CurrentLevel", &UZOVADesLibrary::CurrentLevel, "第三关"},
		{"EnglishName", &UZOVADesLibrary::EnglishName, "StarTrek"},
		{"ExperienceValue", &UZOVADesLibrary::ExperienceValue, "300"},
		{"Grade", &UZOVADesLibrary::Grade, "黄金"},
		{"MyLogo", &UZOVADesLibrary::MyLogo, ""},
		{"OtherUserData", &UZOVADesLibrary::OtherUserData, ""},
		{"PathData", &UZOVADesLibrary::PathData, "D:\\ZOVA"},
		{"ProductUse", &UZOVADesLibrary::ProductUse, "一款太空游戏"},
		{"ProfilePicture", &UZOVADesLibrary::ProfilePicture, "https://img/1.png"},
		{"Score", &UZOVADesLibrary::Score, "98.5"},
		{"Signature", &UZOVADesLibrary::Signature, ""},
		{"SUID", &UZOVADesLibrary::SUID, "42"},
		{"UserGold", &UZOVADesLibrary::UserGold, "1500"},
		{"UserName", &UZOVADesLibrary::UserName, "zhang"},
		{"UserNetname", &UZOVADesLibrary::UserNetname, "小张"},
		{"UserPassword", &UZOVADesLibrary::UserPassword, "pw"},
		{"Versions", &UZOVADesLibrary::Versions, "1.2.0"},
		{"OkAPIPort", &UZOVADesLibrary::OkAPIPort, "https://api.zova.example/"},
		{"ZOVA_APPaths", &UZOVADesLibrary::ZOVA_APPaths, Utf8(Folder.GetPath()) + "\\SamplingPacket\\冒险\\StarTrek\\"},
		{"ZOVA_Login", &UZOVADesLibrary::ZOVA_Login, "https://api.zova.example/wp-json/zova/api/user-login?token=tok&user_name=zhang&password=pw"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		EXPECT_EQ(Utf8(Case.Accessor()), Case.Value);
	}
	EXPECT_TRUE(UZOVADesLibrary::ApplicationSwitch());
	EXPECT_TRUE(UZOVADesLibrary::Alreadyloggedin());
	EXPECT_EQ(Utf8(UZOVADesLibrary::DataDebug(TEXT("Version"))), "1.2.0");
	EXPECT_EQ(Utf8(UZOVADesLibrary::DataDebug(TEXT("NoSuchMember"))), "");
	EXPECT_TRUE(Log.Lines.IsEmpty());
	EXPECT_TRUE(Engine->PriorityScreenMessages.IsEmpty());
}

TEST_F(FSessionAccessorTest, MissingMembersLeaveEmptyPieces)
{
	Load(TEXT("{\"Alreadyloggedin\":0,\"IsEnabled\":\"maybe\"}"));
	EXPECT_EQ(Utf8(UZOVADesLibrary::OkAPIPort()), "https:///");
	EXPECT_EQ(Utf8(UZOVADesLibrary::ZOVA_Login()), "https:///wp-json/zova/api/user-login?token=&user_name=&password=");
	EXPECT_FALSE(UZOVADesLibrary::Alreadyloggedin());
	EXPECT_FALSE(UZOVADesLibrary::ApplicationSwitch());
}

TEST_F(FSessionAccessorTest, LoginUrlEscapesEachQueryValue)
{
	struct FCase
	{
		const char* Name;
		std::string Token;
		std::string User;
		std::string Password;
		std::string Query;
	};
	const FCase Cases[] = {
		{"UnreservedStayAsTheyAre", "T", "Az09-._~", "P", "token=T&user_name=Az09-._~&password=P"},
		{"SeparatorsCannotAddParameters", "T", "a&password=x#y", "P", "token=T&user_name=a%26password%3Dx%23y&password=P"},
		{"SpacePlusAndPercent", "T", "U", "p w+100%", "token=T&user_name=U&password=p%20w%2B100%25"},
		{"Utf8BytesInUpperCaseHex", "t?k=1", "U", "密/é", "token=t%3Fk%3D1&user_name=U&password=%E5%AF%86%2F%C3%A9"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		Load(FromUtf8("{\"SpaceUrl\":\"h.example:8080/base\",\"SpaceToken\":\"" + Case.Token + "\",\"Username\":\"" + Case.User + "\",\"Password\":\"" + Case.Password + "\"}"));
		EXPECT_EQ(Utf8(UZOVADesLibrary::ZOVA_Login()), "https://h.example:8080/base/wp-json/zova/api/user-login?" + Case.Query);
	}
}

// The engine's reader takes any depth but frees the parsed tree recursively, so the module refuses a
// deep session document before parsing it, as it refuses one that is not JSON.
// UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h (string and bracket tokens).
namespace
{
	/** A session document whose member "x" holds Depth - 1 nested arrays: Depth levels in all. */
	FString SessionOfDepth(int32 Depth)
	{
		return TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":") + JsonTextCheckCases::NestedArrays(Depth - 1) + TEXT(",\"Version\":\"2.1\"}");
	}
}

TEST(HubJsonCheckTest, TheCheckReadsTextAsTheEngineTokenizes)
{
	EXPECT_EQ(UE::ZOVALauncherAPI::Private::MaxHubJsonDepth, JsonTextCheckCases::Limit);
	for (const JsonTextCheckCases::FCase& Case : JsonTextCheckCases::Cases())
	{
		EXPECT_EQ(UE::ZOVALauncherAPI::Private::IsHubJsonRefused(Case.Text), Case.bRefused) << Case.Name;
	}
}

// UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h: literals in any case, a last comma in an array.
TEST_F(FSessionAccessorTest, LenientDocumentsAreReadAsTheEngineReadsThem)
{
	Load(TEXT("{\"Username\":\"zhang\",\"IsEnabled\":TRUE,\"Alreadyloggedin\":False,\"x\":[1,2,],\"Version\":\"2.1\"}"));
	EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), "zhang");
	EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "2.1");
	EXPECT_TRUE(UZOVADesLibrary::ApplicationSwitch());
	EXPECT_FALSE(UZOVADesLibrary::Alreadyloggedin());
}

TEST_F(FSessionAccessorTest, ADocumentNestedToTheLimitIsRead)
{
	const FString Document = SessionOfDepth(JsonTextCheckCases::Limit);
	Load(Document);
	EXPECT_EQ(Utf8(UE::ZOVALauncherAPI::Private::GetHubJson()), Utf8(Document));
	EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), "zhang");
	EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "2.1") << "the member after the deepest point";
	EXPECT_TRUE(UZOVADesLibrary::ApplicationSwitch());
}

TEST_F(FSessionAccessorTest, DocumentsTheEngineWouldCrashOnAreRefusedLikeInvalidOnes)
{
	const struct
	{
		const char* Name;
		FString Document;
	} Cases[] = {
		{"one past the limit", SessionOfDepth(JsonTextCheckCases::Limit + 1)},
		{"a hundred thousand levels", SessionOfDepth(100000)},
		{"a hundred thousand mismatched levels", TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":") + FString::ChrN(100000, '[') + FString::ChrN(100000, '}') + TEXT("}")},
		{"surplus closers before the depth", TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true}") + FString::ChrN(50, '}') + JsonTextCheckCases::NestedArrays(100000)},
		{"an array closed as an object", TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":[1}}")},
		{"ends just after a backslash", TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":\"\\")},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		Load(Case.Document);
		EXPECT_EQ(Utf8(UE::ZOVALauncherAPI::Private::GetHubJson()), "{}");
		EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), "");
		EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "");
		EXPECT_FALSE(UZOVADesLibrary::ApplicationSwitch());
		EXPECT_EQ(Utf8(UZOVADesLibrary::ZOVA_Login()), "https:///wp-json/zova/api/user-login?token=&user_name=&password=");
	}
}
