#pragma once

#include "CoreMinimal.h"

#include <string>
#include <string_view>
#include <vector>

// Turning a fuzzer's bytes into the texts the engine and the plug-ins take.
namespace FuzzInput
{
	/**
	 * The bytes read as UTF-8, as a file or a Blueprint pin would give them. Zero characters are
	 * left out: no text from outside holds one, since every C string view of it would end there.
	 */
	inline FString FromUtf8(std::string_view Bytes)
	{
		const FUTF8ToTCHAR Converted(Bytes.data(), (int32)Bytes.size());
		FString Text;
		for (int32 Index = 0; Index < Converted.Length(); ++Index)
		{
			if (Converted.Get()[Index] != 0)
			{
				Text.AppendChar(Converted.Get()[Index]);
			}
		}
		return Text;
	}

	/** The bytes taken two at a time as UTF-16 code units: reaches lone surrogates and other text UTF-8 cannot carry. */
	inline FString FromUtf16(std::string_view Bytes)
	{
		FString Text;
		for (size_t Index = 0; Index + 1 < Bytes.size(); Index += 2)
		{
			const TCHAR Unit = (TCHAR)((uint8)Bytes[Index] | ((uint8)Bytes[Index + 1] << 8));
			if (Unit != 0)
			{
				Text.AppendChar(Unit);
			}
		}
		return Text;
	}

	inline std::string ToUtf8(const FString& Text)
	{
		const FTCHARToUTF8 Converted(*Text, Text.Len());
		return std::string(Converted.Get(), Converted.Length());
	}

	/** The input cut at each separator, at most MaxParts pieces; the last piece keeps the rest. */
	inline std::vector<std::string_view> Split(std::string_view Input, std::string_view Separator, size_t MaxParts)
	{
		std::vector<std::string_view> Parts;
		while (Parts.size() + 1 < MaxParts)
		{
			const size_t End = Input.find(Separator);
			if (End == std::string_view::npos)
			{
				break;
			}
			Parts.push_back(Input.substr(0, End));
			Input.remove_prefix(End + Separator.size());
		}
		Parts.push_back(Input);
		return Parts;
	}
}
