#include "JsonNestingCases.h"
#include "LauncherTestSupport.h"
#include "ZOVADesLibrary.h"
#include "ZOVAHubJson.h"
#include "ZOVAHubJsonNesting.h"

#include <gtest/gtest.h>

// The engine's reader takes any depth but frees the parsed tree recursively, so the module refuses a
// deep session document before parsing it, as it refuses one that is not JSON.
// UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h (string and bracket tokens).

using namespace JsonNestingCases;
using namespace LauncherTest;

namespace
{
	class FDeepDocumentTest : public testing::Test
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

	/** A session document whose member "x" holds Depth - 1 nested arrays: Depth levels in all. */
	FString SessionOfDepth(int32 Depth)
	{
		return TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":") + NestedArrays(Depth - 1) + TEXT(",\"Version\":\"2.1\"}");
	}
}

TEST(HubJsonNestingTest, TheScanReadsTextAsTheEngineTokenizes)
{
	EXPECT_EQ(UE::ZOVALauncherAPI::Private::MaxHubJsonDepth, Limit);
	for (const FCase& Case : Cases())
	{
		EXPECT_EQ(UE::ZOVALauncherAPI::Private::IsNestedTooDeep(Case.Text), Case.bTooDeep) << Case.Name;
	}
}

TEST_F(FDeepDocumentTest, ADocumentAtTheLimitIsRead)
{
	const FString Document = SessionOfDepth(Limit);
	Load(Document);
	EXPECT_EQ(Utf8(UE::ZOVALauncherAPI::Private::GetHubJson()), Utf8(Document));
	EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), "zhang");
	EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "2.1") << "the member after the deepest point";
	EXPECT_TRUE(UZOVADesLibrary::ApplicationSwitch());
}

TEST_F(FDeepDocumentTest, DeeperDocumentsAreRefusedLikeInvalidOnes)
{
	const struct
	{
		const char* Name;
		FString Document;
	} Cases[] = {
		{"one past the limit", SessionOfDepth(Limit + 1)},
		{"a hundred thousand levels", SessionOfDepth(100000)},
		{"a hundred thousand mismatched levels", TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":") + FString::ChrN(100000, '[') + FString::ChrN(100000, '}') + TEXT("}")},
		{"surplus closers before the depth", TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true}") + FString::ChrN(50, '}') + NestedArrays(100000)},
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

TEST_F(FDeepDocumentTest, BracketsInsideStringsDoNotCount)
{
	const FString Brackets = FString::ChrN(1000, '[') + FString::ChrN(1000, '{');
	Load(TEXT("{\"Username\":\"") + Brackets + TEXT("\",\"DisplayName\":\"\\\"") + Brackets + TEXT("\"}"));
	EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), Utf8(Brackets));
	EXPECT_EQ(Utf8(UZOVADesLibrary::UserNetname()), "\"" + Utf8(Brackets));
}
