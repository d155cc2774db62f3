#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Containers/StringView.h"

/** Path text operations and the process's well-known folders. */
class CORE_API FPaths
{
public:
	/** The working directory the process started in, ending in '/'. */
	static FString LaunchDir();

	/**
	 * The project's folder, relative to the binaries folder and ending in '/'. The host's editor has no
	 * project file: its project is the build folder that holds the Binaries folder, "../".
	 */
	static FString ProjectDir();

	/** The project's Saved folder, ProjectDir() + "Saved/", worked out once. */
	static const FString& ProjectSavedDir();

	/**
	 * Makes a path absolute without touching the file system: a relative path is taken against the
	 * binaries folder (FPlatformProcess::BaseDir), not the working directory; '\' becomes '/', and
	 * "." and ".." segments are collapsed. A trailing '/' is kept.
	 */
	static FString ConvertRelativePathToFull(const FString& InPath);
	static FString ConvertRelativePathToFull(FString&& InPath);
	static FString ConvertRelativePathToFull(const FString& BasePath, const FString& InPath);
	static FString ConvertRelativePathToFull(const FString& BasePath, FString&& InPath);
	static FString ConvertRelativePathToFull(FString&& BasePath, const FString& InPath);
	static FString ConvertRelativePathToFull(FString&& BasePath, FString&& InPath);

	/** Turns '\' into '/'. */
	static void NormalizeFilename(FString& InPath);

	/** Turns '\' into '/' and drops one trailing '/' (but not that of "//" or of a drive "C:/"). */
	static void NormalizeDirectoryName(FString& InPath);

	/**
	 * Removes "." segments and each ".." with the segment before it.
	 * @return false, leaving InPath as it was, when a ".." would climb above the start of the path.
	 */
	static bool CollapseRelativeDirectories(FString& InPath);

	/** Joins the parts with a single '/' between them. */
	template <typename... PathTypes>
	static FString Combine(PathTypes&&... InPaths)
	{
		const FStringView Parts[] = {FStringView(InPaths)...};
		return CombineInternal(Parts, (int32)sizeof...(PathTypes));
	}

	/** Everything before the last separator ('/' or '\'), or empty when there is none. */
	static FString GetPath(const FString& InPath);
	/** Everything after the last separator. */
	static FString GetCleanFilename(const FString& InPath);
	/** The file name without its extension, and without its folder when bRemovePath. */
	static FString GetBaseFilename(const FString& InPath, bool bRemovePath = true);
	/** The text after the last '.' of the file name (with the dot when bIncludeDot), or empty. */
	static FString GetExtension(const FString& InPath, bool bIncludeDot = false);

	/** False for "/..." and "\\..." roots and for "<drive letter>:" paths. */
	static bool IsRelative(const FString& InPath);

	static bool FileExists(const FString& InPath);
	static bool DirectoryExists(const FString& InPath);

private:
	static FString CombineInternal(const FStringView* Parts, int32 NumParts);
};
