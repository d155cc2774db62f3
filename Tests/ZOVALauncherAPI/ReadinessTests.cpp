#include "Engine/Engine.h"
#include "LauncherTestSupport.h"
#include "LogCapture.h"
#include "ZOVADesLibrary.h"
#include "ZOVAHubSession.h"

#include <gtest/gtest.h>

using namespace LauncherTest;

namespace
{
	const std::string MissingDataText = "缺少数据，检查初始化节点或应用数据是否存在。初始化节点名称：初始化Hub数据";
	const std::string NotCalledMessage = "没有调用：初始化Hub数据 节点";
}

class FReadinessTest : public testing::Test
{
protected:
	virtual void SetUp() override { ResetHubStore(); }
	virtual void TearDown() override { ResetHubStore(); }

	/** Calls every accessor: each gives its fallback, with one report per readiness test it makes. */
	void ExpectEveryAccessorRefuses(const std::string& Message)
	{
		typedef FString (*FAccessor)();
		const FAccessor OneTest[] = {&UZOVADesLibrary::APIPort, &UZOVADesLibrary::ApplyID, &UZOVADesLibrary::ApplyOtherData,
			&UZOVADesLibrary::CategoryName, &UZOVADesLibrary::ChineseName, &UZOVADesLibrary::CurrentLevel, &UZOVADesLibrary::EnglishName,
			&UZOVADesLibrary::ExperienceValue, &UZOVADesLibrary::Grade, &UZOVADesLibrary::MyLogo, &UZOVADesLibrary::OtherUserData,
			&UZOVADesLibrary::PathData, &UZOVADesLibrary::ProductUse, &UZOVADesLibrary::ProfilePicture, &UZOVADesLibrary::Score,
			&UZOVADesLibrary::Signature, &UZOVADesLibrary::SUID, &UZOVADesLibrary::URLs, &UZOVADesLibrary::UserGold,
			&UZOVADesLibrary::UserName, &UZOVADesLibrary::UserNetname, &UZOVADesLibrary::UserPassword, &UZOVADesLibrary::Versions};
		for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(OneTest); ++Index)
		{
			SCOPED_TRACE(Index);
			ExpectRefusal(Utf8(OneTest[Index]()) == MissingDataText, Message, 1);
		}
		const std::tuple<const char*, FAccessor, int32> Composed[] = {
			{"OkAPIPort", &UZOVADesLibrary::OkAPIPort, 2},
			{"ZOVA_APPaths", &UZOVADesLibrary::ZOVA_APPaths, 3},
			{"ZOVA_Login", &UZOVADesLibrary::ZOVA_Login, 3},
		};
		for (const auto& [Name, Accessor, NumReports] : Composed)
		{
			SCOPED_TRACE(Name);
			ExpectRefusal(Utf8(Accessor()) == MissingDataText, Message, NumReports);
		}
		ExpectRefusal(Utf8(UZOVADesLibrary::DataDebug(TEXT("Version"))) == MissingDataText, Message, 1);
		ExpectRefusal(!UZOVADesLibrary::Alreadyloggedin(), Message, 1);
		ExpectRefusal(!UZOVADesLibrary::ApplicationSwitch(), Message, 1);
	}

	/** One accessor call's result and reports: each a LogTemp error and a red, 5-second, unscaled on-screen message with key -1. */
	void ExpectRefusal(bool bGaveFallback, const std::string& Message, int32 NumReports)
	{
		EXPECT_TRUE(bGaveFallback);
		ASSERT_EQ(Log.Lines.Num(), NumReports);
		for (const FString& Line : Log.Lines)
		{
			EXPECT_EQ(Utf8(Line), "LogTemp: Error: " + Message);
		}
		ASSERT_EQ(Engine->PriorityScreenMessages.Num(), NumReports);
		for (const FScreenMessageString& OnScreen : Engine->PriorityScreenMessages)
		{
			EXPECT_EQ(Utf8(OnScreen.ScreenMessage), Message);
			EXPECT_EQ(OnScreen.Key, (uint64)-1);
			EXPECT_EQ(OnScreen.TimeToDisplay, 5.0f);
			EXPECT_EQ(OnScreen.DisplayColor, FColor::Red);
			EXPECT_EQ(OnScreen.TextScale, FVector2D(1.0, 1.0));
		}
		EXPECT_TRUE(Engine->ScreenMessages.IsEmpty());
		Log.Lines.Empty();
		Engine->PriorityScreenMessages.Empty();
	}

	FScopedTestEngine Engine;
	FLogCapture Log;
};

TEST_F(FReadinessTest, BeforeSetAPPKeyEveryAccessorAsksForIt)
{
	ExpectEveryAccessorRefuses(NotCalledMessage);
}

TEST_F(FReadinessTest, WithoutAnEngineOnlyTheLogReports)
{
	GEngine = nullptr;
	EXPECT_EQ(Utf8(UZOVADesLibrary::ZOVA_Login()), MissingDataText);
	EXPECT_FALSE(UZOVADesLibrary::Alreadyloggedin());
	EXPECT_EQ(Log.Lines.Num(), 4);
	EXPECT_TRUE(Engine->PriorityScreenMessages.IsEmpty());
}
