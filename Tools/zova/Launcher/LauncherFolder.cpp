#include "LauncherFolder.h"

#include "Launcher/LauncherDataEncoder.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

namespace
{
	TArray<uint8> ToUtf8Bytes(const FString& Text)
	{
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		return TArray<uint8>(reinterpret_cast<const uint8*>(Utf8.Get()), Utf8.Length());
	}
}

FLauncherFolder::FLauncherFolder(const FString& Dir)
	: BridgePath(FPaths::Combine(Dir, TEXT("BridgeFilePath.zova")))
	, TokenPath(FPaths::Combine(Dir, TEXT("manage/TokenKEY.DLK")))
	, DataPath(FPaths::Combine(Dir, TEXT("HubData.zova")))
{
}

bool FLauncherFolder::Encode(const FString& Document, const FString& Token, FString& OutError)
{
	// Derive the key from the token as the module will read it back from the file, byte order marks and all.
	TokenBytes = ToUtf8Bytes(Token);
	FString TokenAsRead;
	FFileHelper::BufferToString(TokenAsRead, TokenBytes.GetData(), TokenBytes.Num());

	DataText = Document;
	return TokenAsRead.IsEmpty() || LauncherDataEncoder::EncryptDocument(Document, TokenAsRead, DataText, OutError);
}

bool FLauncherFolder::Write() const
{
	return FFileHelper::SaveArrayToFile(TokenBytes, *TokenPath)
		&& FFileHelper::SaveArrayToFile(ToUtf8Bytes(DataText), *DataPath)
		&& FFileHelper::SaveArrayToFile(ToUtf8Bytes(DataPath), *BridgePath);
}
