#include "LauncherFolder.h"

#include "Dom/JsonObject.h"
#include "Launcher/LauncherDataCipher.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZOVAHubJsonCheck.h"
#include "ZovaStagedFiles.h"

namespace
{
	const TCHAR* const BridgeFileName = TEXT("BridgeFilePath.zova");
	const TCHAR* const TokenFileName = TEXT("manage/TokenKEY.DLK");
	const TCHAR* const DataFileName = TEXT("HubData.zova");

	TArray<uint8> ToUtf8Bytes(const FString& Text)
	{
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		return TArray<uint8>(reinterpret_cast<const uint8*>(Utf8.Get()), Utf8.Length());
	}

	/** A launcher file's text, as the module reads it; false when it is no regular file or cannot be read. */
	bool ReadLauncherFile(const FString& Path, FString& OutText)
	{
		return FPaths::FileExists(Path) && FFileHelper::LoadFileToString(OutText, *Path);
	}
}

bool IsLauncherDocument(const FString& Text)
{
	TSharedPtr<FJsonObject> Object;
	return !UE::ZOVALauncherAPI::Private::IsHubJsonRefused(Text) && FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Object) && Object.IsValid();
}

FLauncherFolder::FLauncherFolder(const FString& InDir)
	: Dir(InDir)
	, BridgePath(FPaths::Combine(InDir, BridgeFileName))
	, TokenPath(FPaths::Combine(InDir, TokenFileName))
	, DataPath(FPaths::Combine(InDir, DataFileName))
{
}

bool FLauncherFolder::Encode(const FString& Document, const FString& Token, FString& OutError)
{
	// Derive the key from the token as the module will read it back from the file, byte order marks and all.
	TokenBytes = ToUtf8Bytes(Token);
	FString TokenAsRead;
	FFileHelper::BufferToString(TokenAsRead, TokenBytes.GetData(), TokenBytes.Num());

	DataText = Document;
	return TokenAsRead.IsEmpty() || LauncherDataCipher::EncryptDocument(Document, TokenAsRead, DataText, OutError);
}

bool FLauncherFolder::Write(bool bReplace, FString& OutError) const
{
	// The bridge goes last: until it is in place, no reader is sent to the new data file.
	FZovaStagedFiles Files(Dir);
	Files.Add(TokenFileName, TokenBytes);
	Files.Add(DataFileName, ToUtf8Bytes(DataText));
	Files.Add(BridgeFileName, ToUtf8Bytes(DataPath));
	return Files.Commit(bReplace, OutError);
}

bool FLauncherFolder::Check(const FString& Dir, FString& OutProblem)
{
	const FLauncherFolder Folder(Dir);
	FString NamedDataPath;
	FString TokenAsRead;
	FString Data;
	if (!ReadLauncherFile(Folder.BridgePath, NamedDataPath))
	{
		OutProblem = FString::Printf(TEXT("no launcher bridge file: %s is missing or cannot be read"), *Folder.BridgePath);
		return false;
	}
	// The module drops every line break from the bridge file's text.
	NamedDataPath.ReplaceInline(TEXT("\r"), TEXT(""));
	NamedDataPath.ReplaceInline(TEXT("\n"), TEXT(""));
	if (!ReadLauncherFile(Folder.TokenPath, TokenAsRead))
	{
		OutProblem = FString::Printf(TEXT("no token key file: %s is missing or cannot be read"), *Folder.TokenPath);
		return false;
	}
	if (!ReadLauncherFile(NamedDataPath, Data))
	{
		OutProblem = FString::Printf(TEXT("the bridge file names the data file \"%s\", which is missing or cannot be read"), *NamedDataPath);
		return false;
	}
	FString Document = Data;
	FString Error;
	if (!TokenAsRead.IsEmpty() && !LauncherDataCipher::DecryptDocument(Data, TokenAsRead, Document, Error))
	{
		OutProblem = FString::Printf(TEXT("%s: %s"), *NamedDataPath, *Error);
		return false;
	}
	if (!IsLauncherDocument(Document))
	{
		OutProblem = FString::Printf(TEXT("%s does not decode to a JSON object%s"), *NamedDataPath, TokenAsRead.IsEmpty() ? TEXT(" (the token is empty, so it is read as plain text)") : TEXT(" under the token"));
		return false;
	}
	return true;
}
