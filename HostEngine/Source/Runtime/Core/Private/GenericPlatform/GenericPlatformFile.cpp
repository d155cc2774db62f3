#include "GenericPlatform/GenericPlatformFile.h"
#include "Misc/Paths.h"

int64 IFileHandle::Size()
{
	const int64 Current = Tell();
	if (Current < 0 || !SeekFromEnd())
	{
		return -1;
	}
	const int64 Result = Tell();
	Seek(Current);
	return Result;
}

bool IPlatformFile::CreateDirectoryTree(const TCHAR* Directory)
{
	FString Path(Directory);
	FPaths::NormalizeDirectoryName(Path);
	// Each prefix ending before a separator, then the whole path, parents first.
	for (int32 Index = 1; Index <= Path.Len(); ++Index)
	{
		if (Index == Path.Len() || Path[Index] == '/')
		{
			const FString Prefix = Path.Left(Index);
			if (!Prefix.EndsWith(TEXT("/")) && !Prefix.EndsWith(TEXT(":")) && !DirectoryExists(*Prefix))
			{
				CreateDirectory(*Prefix);
			}
		}
	}
	return DirectoryExists(*Path);
}
