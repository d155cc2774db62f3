// Copyright ZOVA. All Rights Reserved.

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
		/**
		 * Text of the file; unset when it is no regular file or cannot be read. A named pipe would block
		 * the game thread until some writer came, and an unreadable token file must not pass for an empty
		 * one, which would make the data file plain text. The launcher's names use '\' as separator,
		 * which Windows accepts but the Linux and Mac platform files take literally in an absolute name,
		 * so every name gets '/' first.
		 */
		TOptional<FString> ReadRegularFile(FString Path)
		{
			FPaths::NormalizeFilename(Path);
			FString Text;
			if (!FPlatformFileManager::Get().GetPlatformFile().FileExists(*Path) || !FFileHelper::LoadFileToString(Text, *Path))
			{
				return {};
			}
			return Text;
		}

		TOptional<FString> ReadLauncherFile(const TCHAR* RelativeName)
		{
			return ReadRegularFile(GetHubBaseDir() + RelativeName);
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

	// A missing or unreadable file stands in as the base directory itself, so that what is built on it
	// (opening a data file at that path, a key from it) fails later and leaves the document empty or unusable.

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

		const FString Raw = ReadRegularFile(DataPath).Get(FString());

		// An empty token file means the launcher wrote the document in plain text.
		if (KeyText.IsEmpty())
		{
			return Raw;
		}
		return DecryptHubText(Raw, KeyText, IvText);
	}
}
