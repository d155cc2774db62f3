#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"

namespace
{
	/** The file manager over whichever platform file tops the chain at the time of the call. */
	class FFileManagerGeneric final : public IFileManager
	{
	public:
		virtual bool MakeDirectory(const TCHAR* Path, bool Tree) override
		{
			IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
			return Tree ? PlatformFile.CreateDirectoryTree(Path) : PlatformFile.CreateDirectory(Path);
		}
	};
}

IFileManager& IFileManager::Get()
{
	static FFileManagerGeneric Singleton;
	return Singleton;
}
