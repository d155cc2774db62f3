#include "GenericPlatform/GenericPlatformFile.h"
#include "Containers/StringConv.h"
#include "Misc/Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
	/** An open file descriptor; reads and writes loop until the whole request is done. */
	class FUnixFileHandle final : public IFileHandle
	{
	public:
		explicit FUnixFileHandle(int32 InFileDescriptor)
			: FileDescriptor(InFileDescriptor)
		{
			check(FileDescriptor >= 0);
		}

		virtual ~FUnixFileHandle() override
		{
			close(FileDescriptor);
		}

		virtual int64 Tell() override
		{
			return lseek(FileDescriptor, 0, SEEK_CUR);
		}

		virtual bool Seek(int64 NewPosition) override
		{
			check(NewPosition >= 0);
			return lseek(FileDescriptor, NewPosition, SEEK_SET) != -1;
		}

		virtual bool SeekFromEnd(int64 NewPositionRelativeToEnd) override
		{
			check(NewPositionRelativeToEnd <= 0);
			return lseek(FileDescriptor, NewPositionRelativeToEnd, SEEK_END) != -1;
		}

		virtual bool Read(uint8* Destination, int64 BytesToRead) override
		{
			while (BytesToRead > 0)
			{
				const ssize_t Count = read(FileDescriptor, Destination, (size_t)BytesToRead);
				if (Count < 0 && errno == EINTR)
				{
					continue;
				}
				if (Count <= 0)
				{
					return false;
				}
				Destination += Count;
				BytesToRead -= Count;
			}
			return true;
		}

		virtual bool Write(const uint8* Source, int64 BytesToWrite) override
		{
			while (BytesToWrite > 0)
			{
				const ssize_t Count = write(FileDescriptor, Source, (size_t)BytesToWrite);
				if (Count < 0 && errno == EINTR)
				{
					continue;
				}
				if (Count <= 0)
				{
					return false;
				}
				Source += Count;
				BytesToWrite -= Count;
			}
			return true;
		}

		virtual bool Flush(const bool bFullFlush) override
		{
			// Writes are unbuffered; only a full flush has anything left to do.
			return !bFullFlush || fsync(FileDescriptor) == 0;
		}

		virtual bool Truncate(int64 NewSize) override
		{
			return ftruncate(FileDescriptor, NewSize) == 0;
		}

		virtual int64 Size() override
		{
			struct stat FileInfo;
			return fstat(FileDescriptor, &FileInfo) == 0 ? (int64)FileInfo.st_size : -1;
		}

	private:
		int32 FileDescriptor;
	};

	/**
	 * The Linux file system. Names are normalized first, as the engine's Unix platform file does: a
	 * relative name gets '/' for '\' and resolves against the binaries folder; an absolute name is
	 * used exactly as given, so a '\' in it is part of a file name.
	 */
	class FUnixPlatformFile final : public IPlatformFile
	{
	public:
		virtual bool FileExists(const TCHAR* Filename) override
		{
			struct stat FileInfo;
			return Stat(Filename, FileInfo) && S_ISREG(FileInfo.st_mode);
		}

		virtual int64 FileSize(const TCHAR* Filename) override
		{
			struct stat FileInfo;
			return Stat(Filename, FileInfo) && S_ISREG(FileInfo.st_mode) ? (int64)FileInfo.st_size : -1;
		}

		virtual bool DeleteFile(const TCHAR* Filename) override
		{
			return unlink(TCHAR_TO_UTF8(*NormalizeFilename(Filename))) == 0;
		}

		virtual bool IsReadOnly(const TCHAR* Filename) override
		{
			const FString Normalized = NormalizeFilename(Filename);
			if (access(TCHAR_TO_UTF8(*Normalized), F_OK) != 0)
			{
				return false;
			}
			return access(TCHAR_TO_UTF8(*Normalized), W_OK) != 0 && errno == EACCES;
		}

		virtual IFileHandle* OpenRead(const TCHAR* Filename, bool bAllowWrite) override
		{
			const int32 FileDescriptor = open(TCHAR_TO_UTF8(*NormalizeFilename(Filename)), O_RDONLY | O_CLOEXEC);
			if (FileDescriptor < 0)
			{
				return nullptr;
			}
			// A directory opens fine for reading on Linux, yet holds nothing to read.
			struct stat FileInfo;
			if (fstat(FileDescriptor, &FileInfo) != 0 || !S_ISREG(FileInfo.st_mode))
			{
				close(FileDescriptor);
				return nullptr;
			}
			return new FUnixFileHandle(FileDescriptor);
		}

		virtual IFileHandle* OpenWrite(const TCHAR* Filename, bool bAppend, bool bAllowRead) override
		{
			const int32 Flags = O_CREAT | O_CLOEXEC | (bAllowRead ? O_RDWR : O_WRONLY) | (bAppend ? O_APPEND : O_TRUNC);
			const int32 FileDescriptor = open(TCHAR_TO_UTF8(*NormalizeFilename(Filename)), Flags, S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH);
			return FileDescriptor < 0 ? nullptr : new FUnixFileHandle(FileDescriptor);
		}

		virtual bool DirectoryExists(const TCHAR* Directory) override
		{
			struct stat FileInfo;
			return Stat(Directory, FileInfo) && S_ISDIR(FileInfo.st_mode);
		}

		virtual bool CreateDirectory(const TCHAR* Directory) override
		{
			return mkdir(TCHAR_TO_UTF8(*NormalizeFilename(Directory)), 0755) == 0 || (errno == EEXIST && DirectoryExists(Directory));
		}

	private:
		static FString NormalizeFilename(const TCHAR* Filename)
		{
			FString Result(Filename);
			if (!FPaths::IsRelative(Result))
			{
				return Result;
			}
			FPaths::NormalizeFilename(Result);
			return FPaths::ConvertRelativePathToFull(std::move(Result));
		}

		static bool Stat(const TCHAR* Filename, struct stat& OutFileInfo)
		{
			return stat(TCHAR_TO_UTF8(*NormalizeFilename(Filename)), &OutFileInfo) == 0;
		}
	};
}

IPlatformFile& IPlatformFile::GetPlatformPhysical()
{
	static FUnixPlatformFile Singleton;
	return Singleton;
}
