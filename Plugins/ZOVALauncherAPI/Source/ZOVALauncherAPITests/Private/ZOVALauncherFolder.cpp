// Copyright ZOVA. All Rights Reserved.

#include "ZOVALauncherFolder.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

FZOVALauncherFolder::FZOVALauncherFolder(const FString& Name)
	: Path(FPaths::ConvertRelativePathToFull(FPaths::ProjectSavedDir()) / TEXT("ZOVALauncherAPITests") / Name)
{
}

FZOVALauncherFolder::~FZOVALauncherFolder()
{
	for (const FString& File : Written)
	{
		FPlatformFileManager::Get().GetPlatformFile().DeleteFile(*File);
	}
}

void FZOVALauncherFolder::Write(const FString& Token, const FString& DataFileText)
{
	WriteText(TEXT("manage/TokenKEY.DLK"), Token);
	WriteText(TEXT("Data/HubData.txt"), DataFileText);
	WriteText(TEXT("BridgeFilePath.zova"), GetDataFilePath() + TEXT("\r\n"));
}

void FZOVALauncherFolder::WriteText(const FString& RelativePath, const FString& Text)
{
	Written.AddUnique(Path / RelativePath);
	FFileHelper::SaveStringToFile(Text, *(Path / RelativePath), FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM);
}

void FZOVALauncherFolder::WriteBytes(const FString& RelativePath, const TArray<uint8>& Bytes)
{
	Written.AddUnique(Path / RelativePath);
	FFileHelper::SaveArrayToFile(Bytes, *(Path / RelativePath));
}

void FZOVALauncherFolder::Delete(const FString& RelativePath)
{
	FPlatformFileManager::Get().GetPlatformFile().DeleteFile(*(Path / RelativePath));
}

#endif
