#pragma once

#include "GenericPlatform/GenericPlatformFile.h"

/**
 * A platform file that passes every call to the one below it, for tests to put on top of the chain
 * and override the calls they watch or refuse.
 */
class FForwardingPlatformFile : public IPlatformFile
{
public:
	explicit FForwardingPlatformFile(IPlatformFile& InLower)
		: Lower(InLower)
	{
	}

	virtual bool FileExists(const TCHAR* Filename) override { return Lower.FileExists(Filename); }
	virtual int64 FileSize(const TCHAR* Filename) override { return Lower.FileSize(Filename); }
	virtual bool DeleteFile(const TCHAR* Filename) override { return Lower.DeleteFile(Filename); }
	virtual bool IsReadOnly(const TCHAR* Filename) override { return Lower.IsReadOnly(Filename); }
	virtual IFileHandle* OpenRead(const TCHAR* Filename, bool bAllowWrite) override { return Lower.OpenRead(Filename, bAllowWrite); }
	virtual IFileHandle* OpenWrite(const TCHAR* Filename, bool bAppend, bool bAllowRead) override { return Lower.OpenWrite(Filename, bAppend, bAllowRead); }
	virtual bool DirectoryExists(const TCHAR* Directory) override { return Lower.DirectoryExists(Directory); }
	virtual bool CreateDirectory(const TCHAR* Directory) override { return Lower.CreateDirectory(Directory); }

private:
	IPlatformFile& Lower;
};
