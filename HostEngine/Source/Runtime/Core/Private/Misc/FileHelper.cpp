#include "Misc/FileHelper.h"
#include "Containers/StringConv.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/Paths.h"

#include <climits>
#include <memory>

namespace
{
	bool ReadWholeFile(IPlatformFile& PlatformFile, const TCHAR* Filename, TArray<uint8>& OutBytes)
	{
		const std::unique_ptr<IFileHandle> Handle(PlatformFile.OpenRead(Filename));
		if (!Handle)
		{
			return false;
		}
		const int64 Size = Handle->Size();
		if (Size < 0 || Size > INT_MAX)
		{
			return false;
		}
		TArray<uint8> Bytes;
		Bytes.SetNumUninitialized((int32)Size);
		if (Size > 0 && !Handle->Read(Bytes.GetData(), Size))
		{
			return false;
		}
		OutBytes = std::move(Bytes);
		return true;
	}

	bool WriteWholeFile(const TArray<uint8>& Bytes, const TCHAR* Filename, IFileManager* FileManager, uint32 WriteFlags)
	{
		check(FileManager != nullptr);
		const FString Directory = FPaths::GetPath(Filename);
		if (!Directory.IsEmpty())
		{
			FileManager->MakeDirectory(*Directory, true);
		}
		IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
		const std::unique_ptr<IFileHandle> Handle(PlatformFile.OpenWrite(Filename, (WriteFlags & FILEWRITE_Append) != 0, (WriteFlags & FILEWRITE_AllowRead) != 0));
		return Handle && Handle->Write(Bytes.GetData(), Bytes.Num());
	}

	bool IsPureAnsi(FStringView String)
	{
		for (const TCHAR Char : String)
		{
			if (Char > 0x7F)
			{
				return false;
			}
		}
		return true;
	}

	// The writers convert by length as the engine's do, which takes a last zero for a terminator.
	void AppendUTF8(TArray<uint8>& Bytes, FStringView String)
	{
		const FTCHARToUTF8 Converted(String.GetData(), String.Len());
		Bytes.Append(reinterpret_cast<const uint8*>(Converted.Get()), Converted.Length());
	}

	void AppendUTF16LE(TArray<uint8>& Bytes, FStringView String)
	{
		const auto Units = StringCast<TCHAR>(String.GetData(), String.Len());
		for (int32 Index = 0; Index < Units.Length(); ++Index)
		{
			Bytes.Add((uint8)(Units.Get()[Index] & 0xFF));
			Bytes.Add((uint8)(Units.Get()[Index] >> 8));
		}
	}

	void AppendAnsi(TArray<uint8>& Bytes, FStringView String)
	{
		const auto Converted = StringCast<ANSICHAR>(String.GetData(), String.Len());
		Bytes.Append(reinterpret_cast<const uint8*>(Converted.Get()), Converted.Length());
	}
}

void FFileHelper::BufferToString(FString& Result, const uint8* Buffer, int32 Size)
{
	TArray<TCHAR>& Chars = Result.GetCharArray();
	Chars.Reset();
	// A byte order mark of UTF-16 counts only in a file of whole code units.
	const bool bCanBeUTF16 = Size >= 2 && Size % 2 == 0;
	if (bCanBeUTF16 && Buffer[0] == 0xFF && Buffer[1] == 0xFE)
	{
		for (int32 Index = 2; Index < Size; Index += 2)
		{
			Chars.Add((TCHAR)(Buffer[Index] | (Buffer[Index + 1] << 8)));
		}
	}
	else if (bCanBeUTF16 && Buffer[0] == 0xFE && Buffer[1] == 0xFF)
	{
		for (int32 Index = 2; Index < Size; Index += 2)
		{
			Chars.Add((TCHAR)((Buffer[Index] << 8) | Buffer[Index + 1]));
		}
	}
	else
	{
		if (Size >= 3 && Buffer[0] == 0xEF && Buffer[1] == 0xBB && Buffer[2] == 0xBF)
		{
			Buffer += 3;
			Size -= 3;
		}
		// Every byte counts, a last zero too: the file is not taken for a zero-terminated string.
		const int32 Length = FUTF8ToTCHAR_Convert::ConvertedLength(reinterpret_cast<const UTF8CHAR*>(Buffer), Size);
		Chars.SetNumUninitialized(Length);
		FUTF8ToTCHAR_Convert::Convert(Chars.GetData(), Length, reinterpret_cast<const UTF8CHAR*>(Buffer), Size);
	}
	if (Chars.Num() > 0)
	{
		Chars.Add(0);
	}
}

bool FFileHelper::LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags)
{
	return ReadWholeFile(FPlatformFileManager::Get().GetPlatformFile(), Filename, Result);
}

bool FFileHelper::LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags, uint32 ReadFlags)
{
	return LoadFileToString(Result, &FPlatformFileManager::Get().GetPlatformFile(), Filename, VerifyFlags, ReadFlags);
}

bool FFileHelper::LoadFileToString(FString& Result, IPlatformFile* PlatformFile, const TCHAR* Filename, EHashOptions VerifyFlags, uint32 ReadFlags)
{
	TArray<uint8> Bytes;
	if (!PlatformFile || !ReadWholeFile(*PlatformFile, Filename, Bytes))
	{
		return false;
	}
	BufferToString(Result, Bytes.GetData(), Bytes.Num());
	return true;
}

bool FFileHelper::SaveArrayToFile(const TArray<uint8>& Array, const TCHAR* Filename, IFileManager* FileManager, uint32 WriteFlags)
{
	return WriteWholeFile(Array, Filename, FileManager, WriteFlags);
}

bool FFileHelper::SaveStringToFile(FStringView String, const TCHAR* Filename, EEncodingOptions EncodingOptions, IFileManager* FileManager, uint32 WriteFlags)
{
	// Empty text makes an empty file, without a byte order mark whatever the encoding.
	TArray<uint8> Bytes;
	if (!String.IsEmpty())
	{
		switch (EncodingOptions)
		{
		case EEncodingOptions::ForceUTF8:
			Bytes.Append({0xEF, 0xBB, 0xBF});
			AppendUTF8(Bytes, String);
			break;
		case EEncodingOptions::ForceUTF8WithoutBOM:
			AppendUTF8(Bytes, String);
			break;
		case EEncodingOptions::ForceAnsi:
			AppendAnsi(Bytes, String);
			break;
		case EEncodingOptions::ForceUnicode:
		case EEncodingOptions::AutoDetect:
			if (EncodingOptions == EEncodingOptions::AutoDetect && IsPureAnsi(String))
			{
				AppendAnsi(Bytes, String);
			}
			else
			{
				Bytes.Append({0xFF, 0xFE});
				AppendUTF16LE(Bytes, String);
			}
			break;
		}
	}
	return WriteWholeFile(Bytes, Filename, FileManager, WriteFlags);
}
