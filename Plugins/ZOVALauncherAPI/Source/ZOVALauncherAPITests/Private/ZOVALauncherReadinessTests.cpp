// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "ZOVADesLibrary.h"
#include "ZOVALauncherFixtures.h"
#include "ZOVALauncherFolder.h"

#if WITH_DEV_AUTOMATION_TESTS

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVALauncherNoAppKeyTest, "ZOVA.Launcher.Readiness.EmptyAppKey", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

// Without an AppKey the accessors refuse the document: each gives its fallback and reports once per
// readiness check it makes, as a logged error (and on screen where the engine draws).
bool FZOVALauncherNoAppKeyTest::RunTest(const FString& Parameters)
{
	const FString MissingData = TEXT("缺少数据，检查初始化节点或应用数据是否存在。初始化节点名称：初始化Hub数据");
	FZOVALauncherFolder Folder(TEXT("Readiness"));
	Folder.Write(FString(), ZOVALauncherFixtures::SessionDocument);
	UZOVADesLibrary::SetAPPKey(TEXT(""), Folder.GetPath());

	typedef FString (*FAccessor)();
	const TPair<const TCHAR*, FAccessor> OneCheck[] = {
		{TEXT("APIPort"), &UZOVADesLibrary::APIPort}, {TEXT("ApplyID"), &UZOVADesLibrary::ApplyID}, {TEXT("ApplyOtherData"), &UZOVADesLibrary::ApplyOtherData},
		{TEXT("CategoryName"), &UZOVADesLibrary::CategoryName}, {TEXT("ChineseName"), &UZOVADesLibrary::ChineseName}, {TEXT("CurrentLevel"), &UZOVADesLibrary::CurrentLevel},
		{TEXT("EnglishName"), &UZOVADesLibrary::EnglishName}, {TEXT("ExperienceValue"), &UZOVADesLibrary::ExperienceValue}, {TEXT("Grade"), &UZOVADesLibrary::Grade},
		{TEXT("MyLogo"), &UZOVADesLibrary::MyLogo}, {TEXT("OtherUserData"), &UZOVADesLibrary::OtherUserData}, {TEXT("PathData"), &UZOVADesLibrary::PathData},
		{TEXT("ProductUse"), &UZOVADesLibrary::ProductUse}, {TEXT("ProfilePicture"), &UZOVADesLibrary::ProfilePicture}, {TEXT("Score"), &UZOVADesLibrary::Score},
		{TEXT("Signature"), &UZOVADesLibrary::Signature}, {TEXT("SUID"), &UZOVADesLibrary::SUID}, {TEXT("URLs"), &UZOVADesLibrary::URLs},
		{TEXT("UserGold"), &UZOVADesLibrary::UserGold}, {TEXT("UserName"), &UZOVADesLibrary::UserName}, {TEXT("UserNetname"), &UZOVADesLibrary::UserNetname},
		{TEXT("UserPassword"), &UZOVADesLibrary::UserPassword}, {TEXT("Versions"), &UZOVADesLibrary::Versions},
	};
	const TPair<const TCHAR*, FAccessor> Composed[] = {{TEXT("OkAPIPort"), &UZOVADesLibrary::OkAPIPort}, {TEXT("ZOVA_APPaths"), &UZOVADesLibrary::ZOVA_APPaths}, {TEXT("ZOVA_Login"), &UZOVADesLibrary::ZOVA_Login}};
	// OkAPIPort checks twice, ZOVA_APPaths and ZOVA_Login three times each; DataDebug and the two
	// boolean accessors once each.
	const int32 NumChecks = UE_ARRAY_COUNT(OneCheck) + 2 + 3 + 3 + 1 + 2;
	AddExpectedErrorPlain(TEXT("初始化节点没有填写AppKey"), EAutomationExpectedErrorFlags::Exact, NumChecks);

	for (const TPair<const TCHAR*, FAccessor>& Accessor : OneCheck)
	{
		TestEqualSensitive(Accessor.Key, Accessor.Value(), MissingData);
	}
	for (const TPair<const TCHAR*, FAccessor>& Accessor : Composed)
	{
		TestEqualSensitive(Accessor.Key, Accessor.Value(), MissingData);
	}
	TestEqualSensitive(TEXT("DataDebug"), UZOVADesLibrary::DataDebug(TEXT("Version")), MissingData);
	TestFalse(TEXT("Alreadyloggedin"), UZOVADesLibrary::Alreadyloggedin());
	TestFalse(TEXT("ApplicationSwitch"), UZOVADesLibrary::ApplicationSwitch());
	return true;
}

#endif
