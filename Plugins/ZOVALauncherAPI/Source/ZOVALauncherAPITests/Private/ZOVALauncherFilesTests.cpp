// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "Misc/Paths.h"
#include "Templates/UniquePtr.h"
#include "ZOVADesLibrary.h"
#include "ZOVALauncherFixtures.h"
#include "ZOVALauncherFolder.h"

#if WITH_DEV_AUTOMATION_TESTS

namespace
{
	/** The bytes of Prefix followed by Text in UTF-8. */
	TArray<uint8> Utf8Bytes(const FString& Text, TArray<uint8> Prefix = {})
	{
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		Prefix.Append(reinterpret_cast<const uint8*>(Utf8.Get()), Utf8.Length());
		return Prefix;
	}

	/** UTF-16LE bytes after a byte order mark, as Windows tools write text. */
	TArray<uint8> Utf16Bytes(const FString& Text)
	{
		TArray<uint8> Bytes = {0xFF, 0xFE};
		for (const TCHAR Character : Text)
		{
			Bytes.Add(uint8(Character & 0xFF));
			Bytes.Add(uint8(Character >> 8));
		}
		return Bytes;
	}
}

BEGIN_DEFINE_SPEC(FZOVALauncherFilesSpec, "ZOVA.Launcher.Files", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
	TUniquePtr<FZOVALauncherFolder> Folder;

	/** SetAPPKey with the folder; the session must be the fixture document. */
	void TestSessionDocument(const FString& What, const FString& LauncherPath);

	/** SetAPPKey with the folder; the session must be empty. */
	void TestEmptySession(const FString& What);
END_DEFINE_SPEC(FZOVALauncherFilesSpec)

void FZOVALauncherFilesSpec::TestSessionDocument(const FString& What, const FString& LauncherPath)
{
	UZOVADesLibrary::SetAPPKey(TEXT("app"), LauncherPath);
	TestEqualSensitive(What + TEXT(": UserName"), UZOVADesLibrary::UserName(), TEXT("zhang"));
	TestEqualSensitive(What + TEXT(": ChineseName"), UZOVADesLibrary::ChineseName(), TEXT("星际探索"));
}

void FZOVALauncherFilesSpec::TestEmptySession(const FString& What)
{
	UZOVADesLibrary::SetAPPKey(TEXT("app"), Folder->GetPath());
	TestEqualSensitive(What + TEXT(": UserName"), UZOVADesLibrary::UserName(), TEXT(""));
	TestEqualSensitive(What + TEXT(": Versions"), UZOVADesLibrary::Versions(), TEXT(""));
	TestFalse(What + TEXT(": ApplicationSwitch"), UZOVADesLibrary::ApplicationSwitch());
	TestEqualSensitive(What + TEXT(": OkAPIPort"), UZOVADesLibrary::OkAPIPort(), TEXT("https:///"));
}

void FZOVALauncherFilesSpec::Define()
{
	BeforeEach([this]()
		{
			Folder = MakeUnique<FZOVALauncherFolder>(TEXT("Files"));
		});

	AfterEach([this]()
		{
			Folder.Reset();
		});

	Describe(TEXT("SetAPPKey"), [this]()
		{
			It(TEXT("decodes with a token file in UTF-8, with a byte order mark or in UTF-16"), [this]()
				{
					const TPair<const TCHAR*, TArray<uint8>> Cases[] = {
						{TEXT("UTF-8"), Utf8Bytes(ZOVALauncherFixtures::Token)},
						{TEXT("UTF-8 with a byte order mark"), Utf8Bytes(ZOVALauncherFixtures::Token, {0xEF, 0xBB, 0xBF})},
						{TEXT("UTF-16"), Utf16Bytes(ZOVALauncherFixtures::Token)},
					};
					for (const TPair<const TCHAR*, TArray<uint8>>& Case : Cases)
					{
						Folder->Write(FString(), ZOVALauncherFixtures::SessionCipherText);
						Folder->WriteBytes(TEXT("manage/TokenKEY.DLK"), Case.Value);
						TestSessionDocument(Case.Key, Folder->GetPath());
					}
					TestSessionDocument(TEXT("A folder with a trailing separator"), Folder->GetPath() + TEXT("/"));
				});

			// Windows names: the launcher's own names and the paths it writes use '\'.
			It(TEXT("reads backslash-separated names"), [this]()
				{
					Folder->Write(ZOVALauncherFixtures::Token, ZOVALauncherFixtures::SessionCipherText);
					FString BridgeText = Folder->GetDataFilePath();
					BridgeText.ReplaceInline(TEXT("/Data/"), TEXT("\\Data\\"));
					Folder->WriteText(TEXT("BridgeFilePath.zova"), BridgeText);
					FString WindowsStyleFolder = Folder->GetPath();
					WindowsStyleFolder.ReplaceInline(TEXT("/"), TEXT("\\"));
					TestSessionDocument(TEXT("A bridge naming the data file with backslashes"), Folder->GetPath());
					TestSessionDocument(TEXT("A LauncherPath with backslashes"), WindowsStyleFolder);
				});

			It(TEXT("reads a plain document when the token file is empty"), [this]()
				{
					Folder->Write(FString(), ZOVALauncherFixtures::SessionDocument);
					TestSessionDocument(TEXT("An object"), Folder->GetPath());
					// Only an object is a session document.
					for (const TCHAR* const NotAnObject : {TEXT("[{\"Username\":\"zhang\"}]"), TEXT("Username=zhang")})
					{
						Folder->Write(FString(), NotAnObject);
						TestEmptySession(NotAnObject);
					}
				});

			It(TEXT("leaves the session empty when a file is missing or the data does not decode"), [this]()
				{
					const TCHAR* const Missing[] = {TEXT("BridgeFilePath.zova"), TEXT("Data/HubData.txt"), TEXT("manage/TokenKEY.DLK")};
					for (const TCHAR* const File : Missing)
					{
						Folder->Write(ZOVALauncherFixtures::Token, ZOVALauncherFixtures::SessionCipherText);
						Folder->Delete(File);
						TestEmptySession(FString::Printf(TEXT("Without %s"), File));
					}
					Folder->Write(ZOVALauncherFixtures::Token, TEXT("%%%%"));
					TestEmptySession(TEXT("Data that is not Base64"));
					Folder->Write(ZOVALauncherFixtures::Token, ZOVALauncherFixtures::SessionCipherTextOfAnotherToken);
					TestEmptySession(TEXT("Data encrypted under another token"));
				});

			It(TEXT("looks in the launch directory when LauncherPath is empty"), [this]()
				{
					UZOVADesLibrary::SetAPPKey(TEXT("app"), TEXT(""));
					TestEqualSensitive(TEXT("ZOVA_APPaths"), UZOVADesLibrary::ZOVA_APPaths(), FPaths::ConvertRelativePathToFull(FPaths::LaunchDir()) + TEXT("\\SamplingPacket\\\\\\"));
				});
		});
}

#endif
