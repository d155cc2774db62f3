#include "HttpPath.h"

FHttpPath::FHttpPath()
{
}

FHttpPath::FHttpPath(FString InPath)
	: Path(MoveTemp(InPath))
{
	NormalizePath();
}

const FString& FHttpPath::GetPath() const
{
	return Path;
}

void FHttpPath::SetPath(FString NewPath)
{
	Path = MoveTemp(NewPath);
	NormalizePath();
}

bool FHttpPath::IsValidPath() const
{
	if (IsRoot() || !Path.StartsWith(TEXT("/")))
	{
		return false;
	}
	for (const TCHAR Character : Path)
	{
		const bool bOutsidePrintable = Character <= TEXT(' ') || Character >= 127;
		if (bOutsidePrintable || FCString::Strchr(TEXT(".,<>][}{#|^\\"), Character) != nullptr)
		{
			return false;
		}
	}
	return true;
}

bool FHttpPath::IsRoot() const
{
	return Path == TEXT("/");
}

void FHttpPath::MakeRelative(const FString& OtherPath)
{
	if (OtherPath == TEXT("/"))
	{
		return;
	}
	if (Path == OtherPath)
	{
		Path.RemoveAt(1, Path.Len() - 1);
	}
	if (Path.StartsWith(OtherPath))
	{
		Path.RemoveAt(0, OtherPath.Len());
	}
}

void FHttpPath::NormalizePath()
{
	if (!IsRoot() && Path.EndsWith(TEXT("/")))
	{
		Path.RemoveFromEnd(TEXT("/"));
	}
}
