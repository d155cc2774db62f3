#pragma once

#include "HAL/Platform.h"

/** Flags of IFileManager writes (FFileHelper's WriteFlags). */
enum EFileWrite
{
	FILEWRITE_None = 0x00,
	FILEWRITE_Append = 0x08,
	FILEWRITE_AllowRead = 0x10
};

/**
 * The high-level file manager, on top of the platform file. The host holds only what its file
 * helpers use.
 */
class CORE_API IFileManager
{
public:
	static IFileManager& Get();

	virtual ~IFileManager() = default;

	/** Creates a directory, and with Tree its missing parents; true if it exists afterwards. */
	virtual bool MakeDirectory(const TCHAR* Path, bool Tree = false) = 0;
};
