#pragma once

#include "HAL/Platform.h"

/** An open file. Deleting the handle closes the file. */
class CORE_API IFileHandle
{
public:
	virtual ~IFileHandle() = default;

	/** Current position, or -1 on error. */
	virtual int64 Tell() = 0;
	virtual bool Seek(int64 NewPosition) = 0;
	/** Moves to the given offset from the end (zero or negative). */
	virtual bool SeekFromEnd(int64 NewPositionRelativeToEnd = 0) = 0;
	/** Reads exactly BytesToRead bytes; false when fewer are available. */
	virtual bool Read(uint8* Destination, int64 BytesToRead) = 0;
	virtual bool Write(const uint8* Source, int64 BytesToWrite) = 0;
	virtual bool Flush(const bool bFullFlush = false) = 0;
	virtual bool Truncate(int64 NewSize) = 0;

	/** File size in bytes, or -1 on error. */
	virtual int64 Size();
};

/**
 * The file system layer. Platform files form a chain, so a wrapper can sit on top of the physical
 * one (FPlatformFileManager holds the top). Names use '/' or '\' as separators; relative names
 * resolve against FPlatformProcess::BaseDir().
 */
class CORE_API IPlatformFile
{
public:
	/** The physical file system of this platform. */
	static IPlatformFile& GetPlatformPhysical();

	virtual ~IPlatformFile() = default;

	/** True only for an existing regular file (not a directory). */
	virtual bool FileExists(const TCHAR* Filename) = 0;
	/** Size in bytes, or -1 when there is no such file. */
	virtual int64 FileSize(const TCHAR* Filename) = 0;
	virtual bool DeleteFile(const TCHAR* Filename) = 0;
	/** True when the file exists and cannot be written. */
	virtual bool IsReadOnly(const TCHAR* Filename) = 0;
	/** Null when the file cannot be opened, including when the name is a directory. */
	virtual IFileHandle* OpenRead(const TCHAR* Filename, bool bAllowWrite = false) = 0;
	/** Creates or truncates the file (or appends to it); null on failure. */
	virtual IFileHandle* OpenWrite(const TCHAR* Filename, bool bAppend = false, bool bAllowRead = false) = 0;
	virtual bool DirectoryExists(const TCHAR* Directory) = 0;
	/** Creates one directory; true if it exists afterwards. */
	virtual bool CreateDirectory(const TCHAR* Directory) = 0;

	/** Creates a directory and any missing parents; true if it exists afterwards. */
	virtual bool CreateDirectoryTree(const TCHAR* Directory);
};
