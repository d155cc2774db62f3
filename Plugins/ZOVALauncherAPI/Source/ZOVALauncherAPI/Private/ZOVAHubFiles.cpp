#include "ZOVAHubFiles.h"

#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "ZOVAHubCipher.h"
#include "ZOVAHubSession.h"

namespace UE::ZOVALauncherAPI::Private
{
	namespace
	{
		/** Text of the file at the base directory followed by RelativeName; unset when there is no such file. */
		TOptional<FString> ReadLauncherFile(const TCHAR* RelativeName)
		{
			const FString Path = GetHubBaseDir() + RelativeName;
			if (!FPlatformFileManager::Get().GetPlatformFile().FileExists(*Path))
			{
				return {};
			}
			FString Text;
			FFileHelper::LoadFileToString(Text, *Path);
			return Text;
		}
	}

	FString GetHubBaseDir()
	{
		if (GHubLauncherPath != TEXT(""))
		{
			return GHubLauncherPath;
		}
		return FPaths::ConvertRelativePathToFull(FPaths::LaunchDir());
	}

	// A missing file stands in as the base directory itself, so that what is built on it (opening a
	// data file at that path, a key from it) fails later and leaves the document empty or unusable.

	FString ReadBridgeFile()
	{
		const TOptional<FString> Text = ReadLauncherFile(TEXT("\\BridgeFilePath.zova"));
		return Text ? *Text : GetHubBaseDir();
	}

	FString ReadTokenKeyFile()
	{
		const TOptional<FString> Text = ReadLauncherFile(TEXT("\\manage\\TokenKEY.DLK"));
		return Text ? Text->Reverse() : GetHubBaseDir();
	}

	FString LoadHubData()
	{
		FString DataPath = ReadBridgeFile();
		DataPath.ReplaceInline(TEXT("\n"), TEXT(""));
		DataPath.ReplaceInline(TEXT("\r"), TEXT(""));

		// The key is the token text reversed and the IV the text as stored; the file is read for each.
		const FString KeyText = ReadTokenKeyFile();
		const FString IvText = ReadTokenKeyFile().Reverse();

		FString Raw;
		if (!FFileHelper::LoadFileToString(Raw, *DataPath))
		{
			Raw.Empty();
		}

		// An empty token file means the launcher wrote the document in plain text.
		if (KeyText.IsEmpty())
		{
			return Raw;
		}
		return DecryptHubText(Raw, KeyText, IvText);
	}
}
