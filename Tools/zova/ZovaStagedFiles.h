#pragma once

#include "CoreMinimal.h"

#include <string>

/**
 * Files written into a folder all or none. They are written first into a staging folder inside it
 * (so on the same file system, and never outside the folder), then moved into place one after the
 * other, the old files moved aside and back again if any move fails. A target path that is a
 * symbolic link, or anything but a regular file, is refused before anything is written, and so is
 * an existing file unless replacing is allowed. On any failure the folder is left as it was; Ctrl-C
 * during a commit lets it end first, so the folder holds the old files or the new ones.
 */
class FZovaStagedFiles
{
public:
	explicit FZovaStagedFiles(const FString& InFolder);

	/** A file to write, at a path relative to the folder with "/" between its parts. */
	void Add(const FString& RelativePath, const TArray<uint8>& Bytes);

	/**
	 * Writes every file added, creating the folder and the folders below it as needed.
	 * @param bReplace - whether existing regular files may be replaced
	 * @return false with OutError, one line, when nothing was changed
	 */
	bool Commit(bool bReplace, FString& OutError) const;

private:
	struct FFile
	{
		std::string RelativePath;
		TArray<uint8> Bytes;
	};

	std::string Folder;
	TArray<FFile> Files;
};
