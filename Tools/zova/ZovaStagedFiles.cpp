#include "ZovaStagedFiles.h"

#include "ZovaInterrupts.h"

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <system_error>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
	using std::filesystem::path;

	FString ToText(const path& Path)
	{
		return FString(UTF8_TO_TCHAR(Path.c_str()));
	}

	FString Describe(const std::error_code& Error)
	{
		return FString(UTF8_TO_TCHAR(Error.message().c_str()));
	}

	std::error_code LastError()
	{
		return std::error_code(errno, std::generic_category());
	}

	/** Held while a commit changes the disk: an interrupt waits for it, so the folder is whole when the process ends. */
	std::mutex& CommitMutex()
	{
		static std::mutex Mutex;
		return Mutex;
	}

	/** Creates Folder and any missing folders above it; the ones created go into OutCreated, outermost first. */
	bool MakeFolder(const path& Folder, TArray<path>& OutCreated, FString& OutError)
	{
		TArray<path> Missing;
		std::error_code Error;
		for (path Current = Folder; !Current.empty() && !std::filesystem::exists(Current, Error); Current = Current.parent_path())
		{
			Missing.Insert(Current, 0);
			if (Current == Current.parent_path())
			{
				break;
			}
		}
		for (const path& Directory : Missing)
		{
			if (mkdir(Directory.c_str(), 0777) != 0)
			{
				OutError = FString::Printf(TEXT("cannot make the folder %s: %s"), *ToText(Directory), *Describe(LastError()));
				return false;
			}
			OutCreated.Add(Directory);
		}
		if (!std::filesystem::is_directory(Folder, Error))
		{
			OutError = FString::Printf(TEXT("%s is not a folder"), *ToText(Folder));
			return false;
		}
		return true;
	}

	/** What stands at a path to be written: nothing, a folder on the way, or a regular file that may be replaced. */
	bool CheckTarget(const path& Target, bool bFile, bool bReplace, FString& OutError)
	{
		std::error_code Error;
		const std::filesystem::file_status Status = std::filesystem::symlink_status(Target, Error);
		if (Status.type() == std::filesystem::file_type::not_found)
		{
			return true;
		}
		if (Error)
		{
			OutError = FString::Printf(TEXT("cannot look at %s: %s"), *ToText(Target), *Describe(Error));
		}
		else if (std::filesystem::is_symlink(Status))
		{
			OutError = FString::Printf(TEXT("%s is a symbolic link; zova never writes through one"), *ToText(Target));
		}
		else if (!bFile && !std::filesystem::is_directory(Status))
		{
			OutError = FString::Printf(TEXT("%s is in the way of a folder"), *ToText(Target));
		}
		else if (bFile && !std::filesystem::is_regular_file(Status))
		{
			OutError = FString::Printf(TEXT("%s is not a regular file; zova replaces regular files only"), *ToText(Target));
		}
		else if (bFile && !bReplace)
		{
			OutError = FString::Printf(TEXT("%s already exists (--force replaces it)"), *ToText(Target));
		}
		return OutError.IsEmpty();
	}

	/** Writes a file that must not exist yet, to the disk and not only to its cache. */
	bool WriteNewFile(const path& Path, const TArray<uint8>& Bytes, std::error_code& OutError)
	{
		std::filesystem::create_directories(Path.parent_path(), OutError);
		if (OutError)
		{
			return false;
		}
		const int File = open(Path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
		if (File < 0)
		{
			OutError = LastError();
			return false;
		}
		int64 Written = 0;
		while (Written < Bytes.Num())
		{
			const ssize_t Result = write(File, Bytes.GetData() + Written, Bytes.Num() - Written);
			if (Result < 0 && errno != EINTR)
			{
				OutError = LastError();
				break;
			}
			Written += Result > 0 ? Result : 0;
		}
		if (!OutError && fsync(File) != 0)
		{
			OutError = LastError();
		}
		if (close(File) != 0 && !OutError)
		{
			OutError = LastError();
		}
		return !OutError;
	}

	/** Renames done so far, undone in reverse when a later one fails. */
	class FMoves
	{
	public:
		bool Move(const path& From, const path& To, FString& OutError)
		{
			std::error_code Error;
			std::filesystem::rename(From, To, Error);
			if (Error)
			{
				OutError = FString::Printf(TEXT("cannot move %s into place: %s"), *ToText(To), *Describe(Error));
				return false;
			}
			Done.Add({From, To});
			return true;
		}

		/** @return false when some file could not be moved back */
		bool Undo()
		{
			bool bUndone = true;
			for (int32 Index = Done.Num() - 1; Index >= 0; --Index)
			{
				std::error_code Error;
				std::filesystem::rename(Done[Index].Value, Done[Index].Key, Error);
				bUndone &= !Error;
			}
			Done.Reset();
			return bUndone;
		}

	private:
		TArray<TPair<path, path>> Done;
	};
}

FZovaStagedFiles::FZovaStagedFiles(const FString& InFolder)
	: Folder(TCHAR_TO_UTF8(*InFolder))
{
}

void FZovaStagedFiles::Add(const FString& RelativePath, const TArray<uint8>& Bytes)
{
	Files.Add({TCHAR_TO_UTF8(*RelativePath), Bytes});
}

bool FZovaStagedFiles::Commit(bool bReplace, FString& OutError) const
{
	const path Root(Folder);
	for (const FFile& File : Files)
	{
		path Target = Root;
		for (const path& Part : path(File.RelativePath))
		{
			Target /= Part;
			if (!CheckTarget(Target, Target == Root / File.RelativePath, bReplace, OutError))
			{
				return false;
			}
		}
	}

	// An interrupt waits for the commit under way and keeps the lock until the process ends, so that
	// none starts after it.
	const FZovaInterruptCleanup WaitForCommit([]() { CommitMutex().lock(); });
	const std::lock_guard<std::mutex> Lock(CommitMutex());
	TArray<path> CreatedFolders;
	std::string StagingTemplate = (Root / ".zova-staging-XXXXXX").string();
	bool bCommitted = MakeFolder(Root, CreatedFolders, OutError);
	if (bCommitted && !mkdtemp(StagingTemplate.data()))
	{
		OutError = FString::Printf(TEXT("cannot make a staging folder in %s: %s"), *ToText(Root), *Describe(LastError()));
		bCommitted = false;
	}
	const path Staging = bCommitted ? path(StagingTemplate) : path();

	for (int32 Index = 0; Index < Files.Num() && bCommitted; ++Index)
	{
		std::error_code Error;
		if (!WriteNewFile(Staging / "new" / Files[Index].RelativePath, Files[Index].Bytes, Error))
		{
			OutError = FString::Printf(TEXT("cannot write %s: %s"), *ToText(Root / Files[Index].RelativePath), *Describe(Error));
			bCommitted = false;
		}
		else
		{
			bCommitted = MakeFolder((Root / Files[Index].RelativePath).parent_path(), CreatedFolders, OutError);
		}
	}

	FMoves Moves;
	for (int32 Index = 0; Index < Files.Num() && bCommitted; ++Index)
	{
		std::error_code Error;
		const path Target = Root / Files[Index].RelativePath;
		const bool bExists = std::filesystem::exists(std::filesystem::symlink_status(Target, Error));
		bCommitted = (!bExists || Moves.Move(Target, Staging / ("old-" + std::to_string(Index)), OutError))
			&& Moves.Move(Staging / "new" / Files[Index].RelativePath, Target, OutError);
	}

	std::error_code Ignored;
	if (!bCommitted && !Moves.Undo())
	{
		OutError += FString::Printf(TEXT("; some old files could not be moved back and are kept in %s"), *ToText(Staging));
	}
	else if (!Staging.empty())
	{
		std::filesystem::remove_all(Staging, Ignored);
	}
	// After a failure only folders left empty go; after success every folder holds a file.
	for (int32 Index = CreatedFolders.Num() - 1; Index >= 0 && !bCommitted; --Index)
	{
		std::filesystem::remove(CreatedFolders[Index], Ignored);
	}
	return bCommitted;
}
