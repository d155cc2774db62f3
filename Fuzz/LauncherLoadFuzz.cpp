// The whole launcher load path: a launcher folder whose bridge file, token key file and data file
// hold the fuzzer's bytes, SetAPPKey over it, then every accessor. Input: the three files' bytes
// separated by "\n----\n", in that order; a file whose part is missing is not written.

#include "FuzzInput.h"
#include "Misc/FileHelper.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVADesLibrary.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace
{
	const char* const FileNames[] = {"BridgeFilePath.zova", "manage/TokenKEY.DLK", "Data/HubData.txt"};

	std::filesystem::path Folder;
	FString FolderText;

	void WriteFile(const std::filesystem::path& Path, std::string_view Bytes)
	{
		std::ofstream File(Path, std::ios::binary | std::ios::trunc);
		File.write(Bytes.data(), (std::streamsize)Bytes.size());
	}

	/**
	 * Whether the data file the bridge file names stays inside the folder, decoded as the plug-in
	 * decodes it. Paths elsewhere could name a device that never ends (/dev/zero, a terminal).
	 */
	bool BridgeStaysInFolder()
	{
		FString DataPath;
		FFileHelper::LoadFileToString(DataPath, *(FolderText + TEXT("/BridgeFilePath.zova")));
		DataPath.ReplaceInline(TEXT("\n"), TEXT(""));
		DataPath.ReplaceInline(TEXT("\r"), TEXT(""));
		return !DataPath.StartsWith(TEXT("/")) && !DataPath.StartsWith(TEXT("\\")) && !DataPath.Contains(TEXT(".."));
	}

	void ReadEveryAccessor()
	{
		UZOVADesLibrary::Alreadyloggedin();
		UZOVADesLibrary::APIPort();
		UZOVADesLibrary::ApplicationSwitch();
		UZOVADesLibrary::ApplyID();
		UZOVADesLibrary::ApplyOtherData();
		UZOVADesLibrary::CategoryName();
		UZOVADesLibrary::ChineseName();
		UZOVADesLibrary::CurrentLevel();
		UZOVADesLibrary::DataDebug(TEXT("Username"));
		UZOVADesLibrary::DataDebug(TEXT(""));
		UZOVADesLibrary::EnglishName();
		UZOVADesLibrary::ExperienceValue();
		UZOVADesLibrary::Grade();
		UZOVADesLibrary::ZOVA_APPaths();
		UZOVADesLibrary::ZOVA_Login();
		UZOVADesLibrary::MyLogo();
		UZOVADesLibrary::OkAPIPort();
		UZOVADesLibrary::OtherUserData();
		UZOVADesLibrary::PathData();
		UZOVADesLibrary::ProductUse();
		UZOVADesLibrary::ProfilePicture();
		UZOVADesLibrary::Score();
		UZOVADesLibrary::Signature();
		UZOVADesLibrary::SUID();
		UZOVADesLibrary::URLs();
		UZOVADesLibrary::UserGold();
		UZOVADesLibrary::UserName();
		UZOVADesLibrary::UserNetname();
		UZOVADesLibrary::UserPassword();
		UZOVADesLibrary::Versions();
	}
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
	ProcessNewlyLoadedUObjects();
	char Template[] = "/tmp/LauncherLoadFuzz.XXXXXX";
	if (!mkdtemp(Template))
	{
		perror("mkdtemp");
		abort();
	}
	Folder = Template;
	FolderText = FuzzInput::FromUtf8(Folder.string());
	std::filesystem::create_directories(Folder / "manage");
	std::filesystem::create_directories(Folder / "Data");
	// Relative data paths in a bridge file are read from the working folder.
	std::filesystem::current_path(Folder);
	atexit([]()
		{
			std::filesystem::remove_all(Folder);
		});
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8* Data, size_t Size)
{
	const std::vector<std::string_view> Parts = FuzzInput::Split(std::string_view(reinterpret_cast<const char*>(Data), Size), "\n----\n", 3);
	for (size_t Index = 0; Index < 3; ++Index)
	{
		std::error_code Ignored;
		std::filesystem::remove(Folder / FileNames[Index], Ignored);
		if (Index < Parts.size())
		{
			WriteFile(Folder / FileNames[Index], Parts[Index]);
		}
	}
	if (!BridgeStaysInFolder())
	{
		return -1;
	}
	UZOVADesLibrary::SetAPPKey(TEXT("app"), FolderText);
	ReadEveryAccessor();
	return 0;
}
