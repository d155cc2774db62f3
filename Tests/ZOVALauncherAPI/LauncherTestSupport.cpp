#include "LauncherTestSupport.h"

#include "Engine/Engine.h"
#include "ForwardingPlatformFile.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/Paths.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVAHubSession.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

extern char** environ;

namespace LauncherTest
{
	namespace
	{
		std::string ReadWholeFile(const std::string& Path)
		{
			std::ifstream Stream(Path, std::ios::binary);
			return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
		}

		std::string ToHex(const std::string& Bytes)
		{
			static const char Digits[] = "0123456789abcdef";
			std::string Hex;
			for (const char Byte : Bytes)
			{
				Hex += Digits[(uint8)Byte >> 4];
				Hex += Digits[(uint8)Byte & 0x0F];
			}
			return Hex;
		}

		/** Passes everything to the platform file below it, except that one file does not open for reading. */
		class FRefusingPlatformFile final : public FForwardingPlatformFile
		{
		public:
			FRefusingPlatformFile(IPlatformFile& InLower, const struct stat& InRefused)
				: FForwardingPlatformFile(InLower)
				, Refused(InRefused)
			{
			}

			virtual IFileHandle* OpenRead(const TCHAR* Filename, bool bAllowWrite) override
			{
				return IsRefused(Filename) ? nullptr : FForwardingPlatformFile::OpenRead(Filename, bAllowWrite);
			}

		private:
			/** Compared by identity, so that any spelling of the name (backslashes, doubled separators) is refused. */
			bool IsRefused(const TCHAR* Filename) const
			{
				FString Normalized(Filename);
				FPaths::NormalizeFilename(Normalized);
				struct stat FileInfo;
				return stat(Utf8(FPaths::ConvertRelativePathToFull(Normalized)).c_str(), &FileInfo) == 0
					&& FileInfo.st_dev == Refused.st_dev && FileInfo.st_ino == Refused.st_ino;
			}

			const struct stat Refused;
		};
	}

	std::string Utf8(const FString& Text)
	{
		const FTCHARToUTF8 Converted(*Text, Text.Len());
		return std::string(Converted.Get(), Converted.Length());
	}

	FString FromUtf8(const std::string& Bytes)
	{
		const FUTF8ToTCHAR Converted(Bytes.data(), (int32)Bytes.size());
		return FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
	}

	FProcessResult RunProcess(const std::vector<std::string>& Argv)
	{
		const FTempFolder Outputs;
		const std::string OutPath = Utf8(Outputs.GetPath()) + "/stdout";
		const std::string ErrPath = Utf8(Outputs.GetPath()) + "/stderr";
		posix_spawn_file_actions_t Actions;
		posix_spawn_file_actions_init(&Actions);
		posix_spawn_file_actions_addopen(&Actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
		posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, OutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
		posix_spawn_file_actions_addopen(&Actions, STDERR_FILENO, ErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
		std::vector<char*> Arguments;
		for (const std::string& Argument : Argv)
		{
			Arguments.push_back(const_cast<char*>(Argument.c_str()));
		}
		Arguments.push_back(nullptr);

		FProcessResult Result;
		pid_t Child = 0;
		if (posix_spawnp(&Child, Arguments[0], &Actions, nullptr, Arguments.data(), environ) == 0)
		{
			int Status = 0;
			waitpid(Child, &Status, 0);
			Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
		}
		posix_spawn_file_actions_destroy(&Actions);
		Result.StdOut = ReadWholeFile(OutPath);
		Result.StdErr = ReadWholeFile(ErrPath);
		return Result;
	}

	FTempFolder::FTempFolder()
	{
		std::string Template = (std::filesystem::temp_directory_path() / "zova-launcher-XXXXXX").string();
		const char* Created = mkdtemp(Template.data());
		check(Created != nullptr);
		Path = FromUtf8(Created);
	}

	FTempFolder::~FTempFolder()
	{
		std::error_code Ignored;
		std::filesystem::remove_all(Utf8(Path), Ignored);
	}

	FString FTempFolder::WriteFile(const FString& RelativePath, const std::string& Bytes) const
	{
		const std::filesystem::path FilePath = std::filesystem::path(Utf8(Path)) / Utf8(RelativePath);
		std::filesystem::create_directories(FilePath.parent_path());
		std::ofstream(FilePath, std::ios::binary) << Bytes;
		return FromUtf8(FilePath.string());
	}

	FScopedUnreadableFile::FScopedUnreadableFile(const FString& InPath)
		: Path(Utf8(InPath))
	{
		chmod(Path.c_str(), 0);
		const int Probe = open(Path.c_str(), O_RDONLY | O_NONBLOCK);
		if (Probe < 0)
		{
			return;
		}
		close(Probe);
		struct stat FileInfo;
		verify(stat(Path.c_str(), &FileInfo) == 0);
		Previous = &FPlatformFileManager::Get().GetPlatformFile();
		Refusing = std::make_unique<FRefusingPlatformFile>(*Previous, FileInfo);
		FPlatformFileManager::Get().SetPlatformFile(*Refusing);
	}

	FScopedUnreadableFile::~FScopedUnreadableFile()
	{
		if (Refusing)
		{
			FPlatformFileManager::Get().SetPlatformFile(*Previous);
		}
		chmod(Path.c_str(), 0644);
	}

	std::string LauncherBlock(const FString& Text)
	{
		std::string Block = Utf8(Text).substr(0, 8);
		Block.resize(8, '\0');
		return Block;
	}

	std::string OpenSslDes(const std::string& Input, const std::string& KeyBlock, const std::string& IvBlock, const std::vector<std::string>& Options)
	{
		const FTempFolder Work;
		std::vector<std::string> Command = {"openssl", "enc", "-des-cbc", "-provider", "legacy", "-provider", "default",
			"-K", ToHex(KeyBlock), "-iv", ToHex(IvBlock), "-a", "-in", Utf8(Work.WriteFile(TEXT("input"), Input))};
		Command.insert(Command.end(), Options.begin(), Options.end());
		const FProcessResult Result = RunProcess(Command);
		return Result.ExitCode == 0 ? Result.StdOut : std::string();
	}

	std::string EncryptDocument(const FString& Document, const FString& Token)
	{
		return OpenSslDes(Utf8(Document), LauncherBlock(Token.Reverse()), LauncherBlock(Token), {"-A"});
	}

	void WriteLauncherFolder(const FTempFolder& Folder, const std::string& TokenFileBytes, const std::string& DataFileBytes)
	{
		const FString DataPath = Folder.WriteFile(TEXT("Data/HubData.txt"), DataFileBytes);
		Folder.WriteFile(TEXT("manage/TokenKEY.DLK"), TokenFileBytes);
		Folder.WriteFile(TEXT("BridgeFilePath.zova"), Utf8(DataPath) + "\r\n");
	}

	FScopedTestEngine::FScopedTestEngine()
		: Engine(NewObject<UEngine>())
	{
		Engine->AddToRoot();
		GEngine = Engine;
	}

	FScopedTestEngine::~FScopedTestEngine()
	{
		GEngine = nullptr;
		Engine->RemoveFromRoot();
		CollectGarbage();
	}

	void ResetHubStore()
	{
		using namespace UE::ZOVALauncherAPI::Private;
		GHubInitialized = false;
		GHubLauncherPath.Empty();
		GHubAppKey.Empty();
		GHubDataJson.Empty();
	}
}
