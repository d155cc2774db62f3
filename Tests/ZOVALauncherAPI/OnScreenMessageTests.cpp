#include "Engine/Engine.h"
#include "LauncherTestSupport.h"

#include <gtest/gtest.h>

using namespace LauncherTest;

class FOnScreenMessageTest : public testing::Test
{
protected:
	FScopedTestEngine Engine;
};

// UE 5.8, Engine/Classes/Engine/Engine.h
TEST_F(FOnScreenMessageTest, KeyMinusOneAddsAndOtherKeysReplace)
{
	Engine->AddOnScreenDebugMessage(-1, 5.0f, FColor::Red, TEXT("first"));
	Engine->AddOnScreenDebugMessage(-1, 5.0f, FColor::Red, TEXT("second"));
	Engine->AddOnScreenDebugMessage(-1, 2.0f, FColor::Green, TEXT("bottom"), false, FVector2D(2.0, 3.0));
	Engine->AddOnScreenDebugMessage((uint64)-1, 1.0f, FColor::Blue, TEXT("wide key"));
	std::vector<std::string> Texts;
	for (const FScreenMessageString& Message : Engine->PriorityScreenMessages)
	{
		Texts.push_back(Utf8(Message.ScreenMessage));
	}
	EXPECT_EQ(Texts, (std::vector<std::string>{"wide key", "second", "first", "bottom"}));
	EXPECT_EQ(Engine->PriorityScreenMessages[3].TextScale, FVector2D(2.0, 3.0));

	Engine->AddOnScreenDebugMessage(7, 5.0f, FColor::Red, TEXT("old"));
	Engine->AddOnScreenDebugMessage((uint64)7, 3.0f, FColor::Yellow, TEXT("new"));
	Engine->AddOnScreenDebugMessage(8, 5.0f, FColor::Red, TEXT("other"));
	ASSERT_EQ(Engine->ScreenMessages.Num(), 2);
	EXPECT_EQ(Utf8(Engine->ScreenMessages.Find(7)->ScreenMessage), "new");
	EXPECT_EQ(Engine->ScreenMessages.Find(7)->DisplayColor, FColor::Yellow);
	EXPECT_EQ(Engine->PriorityScreenMessages.Num(), 4);
}
