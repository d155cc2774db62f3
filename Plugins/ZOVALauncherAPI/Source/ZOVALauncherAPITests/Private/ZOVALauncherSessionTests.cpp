// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "Templates/UniquePtr.h"
#include "ZOVADesLibrary.h"
#include "ZOVALauncherFixtures.h"
#include "ZOVALauncherFolder.h"

#if WITH_DEV_AUTOMATION_TESTS

namespace
{
	/** Depth arrays, each the only element of the one around it: "[[[]]]" for 3. */
	FString NestedArrays(int32 Depth)
	{
		return FString::ChrN(Depth, '[') + FString::ChrN(Depth, ']');
	}

	/** A session document whose member "x" holds Depth - 1 nested arrays: Depth levels in all. */
	FString SessionOfDepth(int32 Depth)
	{
		return TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":") + NestedArrays(Depth - 1) + TEXT(",\"Version\":\"2.1\"}");
	}

	/** The engine's reader takes any depth but frees the parsed tree recursively; 512 levels are read. */
	constexpr int32 DepthLimit = 512;
}

BEGIN_DEFINE_SPEC(FZOVALauncherSessionSpec, "ZOVA.Launcher.Session", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
	TUniquePtr<FZOVALauncherFolder> Folder;

	/** Loads Document as the launcher leaves it unencrypted: with an empty token file. */
	void LoadPlain(const FString& Document);

	/** The accessors a document without members gives. */
	void TestEmptySession(const FString& What);
END_DEFINE_SPEC(FZOVALauncherSessionSpec)

void FZOVALauncherSessionSpec::LoadPlain(const FString& Document)
{
	Folder->Write(FString(), Document);
	UZOVADesLibrary::SetAPPKey(TEXT("app-key"), Folder->GetPath());
}

void FZOVALauncherSessionSpec::TestEmptySession(const FString& What)
{
	TestEqualSensitive(What + TEXT(": UserName"), UZOVADesLibrary::UserName(), TEXT(""));
	TestEqualSensitive(What + TEXT(": Versions"), UZOVADesLibrary::Versions(), TEXT(""));
	TestFalse(What + TEXT(": ApplicationSwitch"), UZOVADesLibrary::ApplicationSwitch());
	TestEqualSensitive(What + TEXT(": ZOVA_Login"), UZOVADesLibrary::ZOVA_Login(), TEXT("https:///wp-json/zova/api/user-login?token=&user_name=&password="));
}

void FZOVALauncherSessionSpec::Define()
{
	BeforeEach([this]()
		{
			Folder = MakeUnique<FZOVALauncherFolder>(TEXT("Session"));
		});

	AfterEach([this]()
		{
			Folder.Reset();
		});

	Describe(TEXT("SetAPPKey with an encrypted folder"), [this]()
		{
			It(TEXT("gives every accessor its member"), [this]()
				{
					Folder->Write(ZOVALauncherFixtures::Token, ZOVALauncherFixtures::SessionCipherText);
					UZOVADesLibrary::SetAPPKey(TEXT("app-key"), Folder->GetPath());
					struct FCase
					{
						const TCHAR* Name;
						FString (*Accessor)();
						FString Value;
					};
					const FCase Cases[] = {
						{TEXT("APIPort"), &UZOVADesLibrary::APIPort, TEXT("api.zova.example")},
						{TEXT("URLs"), &UZOVADesLibrary::URLs, TEXT("api.zova.example")},
						{TEXT("ApplyID"), &UZOVADesLibrary::ApplyID, TEXT("A-100")},
						{TEXT("ApplyOtherData"), &UZOVADesLibrary::ApplyOtherData, TEXT("{}")},
						{TEXT("CategoryName"), &UZOVADesLibrary::CategoryName, TEXT("冒险")},
						{TEXT("ChineseName"), &UZOVADesLibrary::ChineseName, TEXT("星际探索")},
						{TEXT("CurrentLevel"), &UZOVADesLibrary::CurrentLevel, TEXT("第三关")},
						{TEXT("EnglishName"), &UZOVADesLibrary::EnglishName, TEXT("StarTrek")},
						{TEXT("ExperienceValue"), &UZOVADesLibrary::ExperienceValue, TEXT("300")},
						{TEXT("Grade"), &UZOVADesLibrary::Grade, TEXT("黄金")},
						{TEXT("MyLogo"), &UZOVADesLibrary::MyLogo, TEXT("")},
						{TEXT("OtherUserData"), &UZOVADesLibrary::OtherUserData, TEXT("")},
						{TEXT("PathData"), &UZOVADesLibrary::PathData, TEXT("D:\\ZOVA")},
						{TEXT("ProductUse"), &UZOVADesLibrary::ProductUse, TEXT("一款太空游戏")},
						{TEXT("ProfilePicture"), &UZOVADesLibrary::ProfilePicture, TEXT("https://img/1.png")},
						{TEXT("Score"), &UZOVADesLibrary::Score, TEXT("98.5")},
						{TEXT("Signature"), &UZOVADesLibrary::Signature, TEXT("")},
						{TEXT("SUID"), &UZOVADesLibrary::SUID, TEXT("42")},
						{TEXT("UserGold"), &UZOVADesLibrary::UserGold, TEXT("1500")},
						{TEXT("UserName"), &UZOVADesLibrary::UserName, TEXT("zhang")},
						{TEXT("UserNetname"), &UZOVADesLibrary::UserNetname, TEXT("小张")},
						{TEXT("UserPassword"), &UZOVADesLibrary::UserPassword, TEXT("pw")},
						{TEXT("Versions"), &UZOVADesLibrary::Versions, TEXT("1.2.0")},
						{TEXT("OkAPIPort"), &UZOVADesLibrary::OkAPIPort, TEXT("https://api.zova.example/")},
						{TEXT("ZOVA_APPaths"), &UZOVADesLibrary::ZOVA_APPaths, Folder->GetPath() + TEXT("\\SamplingPacket\\冒险\\StarTrek\\")},
						{TEXT("ZOVA_Login"), &UZOVADesLibrary::ZOVA_Login, TEXT("https://api.zova.example/wp-json/zova/api/user-login?token=tok&user_name=zhang&password=pw")},
					};
					for (const FCase& Case : Cases)
					{
						TestEqualSensitive(Case.Name, Case.Accessor(), Case.Value);
					}
					TestTrue(TEXT("ApplicationSwitch"), UZOVADesLibrary::ApplicationSwitch());
					TestTrue(TEXT("Alreadyloggedin"), UZOVADesLibrary::Alreadyloggedin());
					TestEqualSensitive(TEXT("DataDebug of a member"), UZOVADesLibrary::DataDebug(TEXT("Version")), TEXT("1.2.0"));
					TestEqualSensitive(TEXT("DataDebug of no member"), UZOVADesLibrary::DataDebug(TEXT("NoSuchMember")), TEXT(""));
				});
		});

	Describe(TEXT("SetAPPKey with a plain document"), [this]()
		{
			It(TEXT("leaves empty pieces for missing members"), [this]()
				{
					LoadPlain(TEXT("{\"Alreadyloggedin\":0,\"IsEnabled\":\"maybe\"}"));
					TestEqualSensitive(TEXT("OkAPIPort"), UZOVADesLibrary::OkAPIPort(), TEXT("https:///"));
					TestEqualSensitive(TEXT("ZOVA_Login"), UZOVADesLibrary::ZOVA_Login(), TEXT("https:///wp-json/zova/api/user-login?token=&user_name=&password="));
					TestFalse(TEXT("Alreadyloggedin"), UZOVADesLibrary::Alreadyloggedin());
					TestFalse(TEXT("ApplicationSwitch"), UZOVADesLibrary::ApplicationSwitch());
				});

			It(TEXT("escapes each value of the login URL"), [this]()
				{
					struct FCase
					{
						const TCHAR* Name;
						const TCHAR* Token;
						const TCHAR* User;
						const TCHAR* Password;
						const TCHAR* Query;
					};
					const FCase Cases[] = {
						{TEXT("unreserved characters stay"), TEXT("T"), TEXT("Az09-._~"), TEXT("P"), TEXT("token=T&user_name=Az09-._~&password=P")},
						{TEXT("separators cannot add parameters"), TEXT("T"), TEXT("a&password=x#y"), TEXT("P"), TEXT("token=T&user_name=a%26password%3Dx%23y&password=P")},
						{TEXT("space, plus and percent"), TEXT("T"), TEXT("U"), TEXT("p w+100%"), TEXT("token=T&user_name=U&password=p%20w%2B100%25")},
						{TEXT("UTF-8 bytes in upper-case hex"), TEXT("t?k=1"), TEXT("U"), TEXT("密/é"), TEXT("token=t%3Fk%3D1&user_name=U&password=%E5%AF%86%2F%C3%A9")},
					};
					for (const FCase& Case : Cases)
					{
						LoadPlain(FString::Printf(TEXT("{\"SpaceUrl\":\"h.example:8080/base\",\"SpaceToken\":\"%s\",\"Username\":\"%s\",\"Password\":\"%s\"}"), Case.Token, Case.User, Case.Password));
						TestEqualSensitive(Case.Name, UZOVADesLibrary::ZOVA_Login(), FString(TEXT("https://h.example:8080/base/wp-json/zova/api/user-login?")) + Case.Query);
					}
				});

			It(TEXT("reads lenient documents as the engine's reader does"), [this]()
				{
					// Literals in any case, a last comma in an array.
					LoadPlain(TEXT("{\"Username\":\"zhang\",\"IsEnabled\":TRUE,\"Alreadyloggedin\":False,\"x\":[1,2,],\"Version\":\"2.1\"}"));
					TestEqualSensitive(TEXT("UserName"), UZOVADesLibrary::UserName(), TEXT("zhang"));
					TestEqualSensitive(TEXT("Versions"), UZOVADesLibrary::Versions(), TEXT("2.1"));
					TestTrue(TEXT("ApplicationSwitch"), UZOVADesLibrary::ApplicationSwitch());
					TestFalse(TEXT("Alreadyloggedin"), UZOVADesLibrary::Alreadyloggedin());
				});

			It(TEXT("reads a document nested to the limit"), [this]()
				{
					LoadPlain(SessionOfDepth(DepthLimit));
					TestEqualSensitive(TEXT("UserName"), UZOVADesLibrary::UserName(), TEXT("zhang"));
					// The member after the deepest point.
					TestEqualSensitive(TEXT("Versions"), UZOVADesLibrary::Versions(), TEXT("2.1"));
					TestTrue(TEXT("ApplicationSwitch"), UZOVADesLibrary::ApplicationSwitch());
				});

			It(TEXT("refuses documents the engine would crash on as it refuses invalid ones"), [this]()
				{
					const TPair<const TCHAR*, FString> Cases[] = {
						{TEXT("one past the limit"), SessionOfDepth(DepthLimit + 1)},
						{TEXT("a hundred thousand levels"), SessionOfDepth(100000)},
						{TEXT("a hundred thousand mismatched levels"), TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":") + FString::ChrN(100000, '[') + FString::ChrN(100000, '}') + TEXT("}")},
						{TEXT("surplus closers before the depth"), TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true}") + FString::ChrN(50, '}') + NestedArrays(100000)},
						{TEXT("an array closed as an object"), TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":[1}}")},
						{TEXT("ends just after a backslash"), TEXT("{\"Username\":\"zhang\",\"IsEnabled\":true,\"x\":\"\\")},
					};
					for (const TPair<const TCHAR*, FString>& Case : Cases)
					{
						LoadPlain(Case.Value);
						TestEmptySession(Case.Key);
					}
				});
		});
}

#endif
