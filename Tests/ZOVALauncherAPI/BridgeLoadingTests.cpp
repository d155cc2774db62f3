#include "LauncherTestSupport.h"
#include "ZOVADesLibrary.h"
#include "ZOVAHubJson.h"
#include "ZOVAHubSession.h"

#include <gtest/gtest.h>

using namespace LauncherTest;
using namespace UE::ZOVALauncherAPI::Private;

class FBridgeLoadingTest : public testing::Test
{
protected:
	virtual void SetUp() override { ResetHubStore(); }
	virtual void TearDown() override { ResetHubStore(); }

	FTempFolder Folder;
	const FString Token = TEXT("T0ken-键");
	const FString Document = TEXT("{\"Username\":\"李雷\",\"Version\":\"2.1\"}");
};

TEST_F(FBridgeLoadingTest, EachCallReloadsButAnEmptyKeyKeepsTheOldDocument)
{
	WriteLauncherFolder(Folder, Utf8(Token), EncryptDocument(Document, Token));
	UZOVADesLibrary::SetAPPKey(TEXT("app"), Folder.GetPath());
	EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "2.1");

	WriteLauncherFolder(Folder, Utf8(Token), EncryptDocument(TEXT("{\"Version\":\"3.0\"}"), Token));
	UZOVADesLibrary::SetAPPKey(TEXT(""), Folder.GetPath());
	EXPECT_EQ(Utf8(GHubDataJson), Utf8(Document));
	UZOVADesLibrary::SetAPPKey(TEXT("app"), Folder.GetPath());
	EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "3.0");
}

// The member lookups give their fallback for a member that is not there; the accessors pass false.
TEST_F(FBridgeLoadingTest, MemberLookupsFallBackForMissingMembers)
{
	EXPECT_EQ(Utf8(GetJsonStringField(TEXT("{\"a\":\"1\"}"), TEXT("b"))), "");
	EXPECT_TRUE(GetJsonBoolField(TEXT("{\"a\":\"1\"}"), TEXT("b"), true));
}
