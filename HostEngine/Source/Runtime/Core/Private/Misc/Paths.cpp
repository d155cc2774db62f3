#include "Misc/Paths.h"
#include "Containers/StringConv.h"
#include "HAL/PlatformFileManager.h"
#include "HAL/PlatformProcess.h"
#include "Misc/Char.h"

#include <cstdlib>
#include <unistd.h>

namespace
{
	FString ReadWorkingDirectory()
	{
		char* const Buffer = getcwd(nullptr, 0);
		check(Buffer != nullptr);
		FString Result = UTF8_TO_TCHAR(Buffer);
		free(Buffer);
		if (!Result.EndsWith(TEXT("/")))
		{
			Result += TEXT("/");
		}
		return Result;
	}

	// Read while Core loads, so that a later change of working directory does not move it.
	const FString GLaunchDir = ReadWorkingDirectory();

	bool IsSeparator(TCHAR Char)
	{
		return Char == '/' || Char == '\\';
	}

	int32 FindLastSeparator(const FString& InPath)
	{
		for (int32 Index = InPath.Len() - 1; Index >= 0; --Index)
		{
			if (IsSeparator(InPath[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	FString ConvertToFull(const FString& BasePath, const FString& InPath)
	{
		FString FullPath;
		if (FPaths::IsRelative(InPath))
		{
			// Normalized first, so that a base ending in '\' gets no second separator.
			FullPath = BasePath;
			FPaths::NormalizeFilename(FullPath);
			FullPath /= InPath;
		}
		else
		{
			FullPath = InPath;
		}
		FPaths::NormalizeFilename(FullPath);
		FPaths::CollapseRelativeDirectories(FullPath);
		if (FullPath.IsEmpty())
		{
			// Everything collapsed away; the root is the best guess.
			FullPath = TEXT("/");
		}
		return FullPath;
	}
}

FString FPaths::LaunchDir()
{
	return GLaunchDir;
}

FString FPaths::ProjectDir()
{
	return TEXT("../");
}

const FString& FPaths::ProjectSavedDir()
{
	static const FString SavedDir = ProjectDir() + TEXT("Saved/");
	return SavedDir;
}

FString FPaths::ConvertRelativePathToFull(const FString& InPath)
{
	return ConvertToFull(FPlatformProcess::BaseDir(), InPath);
}

FString FPaths::ConvertRelativePathToFull(FString&& InPath)
{
	return ConvertToFull(FPlatformProcess::BaseDir(), InPath);
}

FString FPaths::ConvertRelativePathToFull(const FString& BasePath, const FString& InPath)
{
	return ConvertToFull(BasePath, InPath);
}

FString FPaths::ConvertRelativePathToFull(const FString& BasePath, FString&& InPath)
{
	return ConvertToFull(BasePath, InPath);
}

FString FPaths::ConvertRelativePathToFull(FString&& BasePath, const FString& InPath)
{
	return ConvertToFull(BasePath, InPath);
}

FString FPaths::ConvertRelativePathToFull(FString&& BasePath, FString&& InPath)
{
	return ConvertToFull(BasePath, InPath);
}

void FPaths::NormalizeFilename(FString& InPath)
{
	InPath.ReplaceCharInline('\\', '/', ESearchCase::CaseSensitive);
}

void FPaths::NormalizeDirectoryName(FString& InPath)
{
	NormalizeFilename(InPath);
	if (InPath.EndsWith(TEXT("/"), ESearchCase::CaseSensitive) && !InPath.EndsWith(TEXT("//"), ESearchCase::CaseSensitive) && !InPath.EndsWith(TEXT(":/"), ESearchCase::CaseSensitive))
	{
		InPath.LeftChopInline(1);
	}
}

bool FPaths::CollapseRelativeDirectories(FString& InPath)
{
	TArray<FString> Segments;
	InPath.ParseIntoArray(Segments, TEXT("/"), false);

	TArray<FString> Kept;
	for (int32 Index = 0; Index < Segments.Num(); ++Index)
	{
		const FString& Segment = Segments[Index];
		const bool bIsLast = Index == Segments.Num() - 1;
		if (Segment.Equals(TEXT(".")))
		{
			if (bIsLast)
			{
				// Keeps the separator before it, so the path still names a directory.
				Kept.Add(FString());
			}
			continue;
		}
		if (Segment.Equals(TEXT("..")))
		{
			// Empty segments of doubled separators go with the segment they follow.
			int32 Parent = Kept.Num() - 1;
			while (Parent >= 0 && Kept[Parent].IsEmpty())
			{
				--Parent;
			}
			if (Parent < 0 || Kept[Parent].Equals(TEXT("..")) || Kept[Parent].EndsWith(TEXT(":")))
			{
				return false;
			}
			Kept.SetNum(Parent);
			continue;
		}
		Kept.Add(Segment);
	}
	InPath = FString::Join(Kept, TEXT("/"));
	return true;
}

FString FPaths::CombineInternal(const FStringView* Parts, int32 NumParts)
{
	FString Result;
	for (int32 Index = 0; Index < NumParts; ++Index)
	{
		const FString Part = ToString(Parts[Index]);
		if (Index == 0)
		{
			Result = Part;
		}
		else
		{
			Result /= Part;
		}
	}
	return Result;
}

FString FPaths::GetPath(const FString& InPath)
{
	const int32 SeparatorIndex = FindLastSeparator(InPath);
	return SeparatorIndex == INDEX_NONE ? FString() : InPath.Left(SeparatorIndex);
}

FString FPaths::GetCleanFilename(const FString& InPath)
{
	return InPath.RightChop(FindLastSeparator(InPath) + 1);
}

FString FPaths::GetBaseFilename(const FString& InPath, bool bRemovePath)
{
	FString Result = bRemovePath ? GetCleanFilename(InPath) : InPath;
	int32 DotIndex = INDEX_NONE;
	if (Result.FindLastChar('.', DotIndex) && DotIndex > FindLastSeparator(Result))
	{
		Result.LeftInline(DotIndex);
	}
	return Result;
}

FString FPaths::GetExtension(const FString& InPath, bool bIncludeDot)
{
	const FString Filename = GetCleanFilename(InPath);
	int32 DotIndex = INDEX_NONE;
	if (!Filename.FindLastChar('.', DotIndex))
	{
		return FString();
	}
	return Filename.Mid(bIncludeDot ? DotIndex : DotIndex + 1);
}

bool FPaths::IsRelative(const FString& InPath)
{
	const int32 Length = InPath.Len();
	const bool bIsRooted = Length > 0
		&& (InPath[0] == '/'
			|| (Length >= 2 && InPath[0] == '\\' && InPath[1] == '\\')
			|| (Length >= 2 && InPath[1] == ':' && FChar::IsAlpha(InPath[0])));
	return !bIsRooted;
}

bool FPaths::FileExists(const FString& InPath)
{
	return FPlatformFileManager::Get().GetPlatformFile().FileExists(*InPath);
}

bool FPaths::DirectoryExists(const FString& InPath)
{
	return FPlatformFileManager::Get().GetPlatformFile().DirectoryExists(*InPath);
}
