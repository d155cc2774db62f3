#include "Misc/Guid.h"

#include <random>

namespace
{
	/** Reads Count hex digits at Text; false if any of them is not a hex digit. */
	bool ReadHex(const TCHAR* Text, int32 Count, uint32& OutValue)
	{
		uint32 Value = 0;
		for (int32 Index = 0; Index < Count; ++Index)
		{
			const TCHAR Char = Text[Index];
			uint32 Digit = 0;
			if (Char >= '0' && Char <= '9')
			{
				Digit = Char - '0';
			}
			else if (Char >= 'a' && Char <= 'f')
			{
				Digit = Char - 'a' + 10;
			}
			else if (Char >= 'A' && Char <= 'F')
			{
				Digit = Char - 'A' + 10;
			}
			else
			{
				return false;
			}
			Value = (Value << 4) | Digit;
		}
		OutValue = Value;
		return true;
	}

	/** Drops the hyphens of the 8-4-4-4-12 form, checking that they sit where they belong. */
	bool RemoveHyphens(const FString& Text, FString& OutDigits)
	{
		static constexpr int32 HyphenPositions[] = {8, 13, 18, 23};
		for (const int32 Position : HyphenPositions)
		{
			if (Text[Position] != '-')
			{
				return false;
			}
		}
		OutDigits = Text.Replace(TEXT("-"), TEXT(""), ESearchCase::CaseSensitive);
		return OutDigits.Len() == 32;
	}
}

FGuid FGuid::NewGuid()
{
	// A generator per thread, seeded from the system's entropy source.
	thread_local std::mt19937_64 Generator(std::random_device{}());
	FGuid Result;
	while (!Result.IsValid())
	{
		const uint64 High = Generator();
		const uint64 Low = Generator();
		Result = FGuid((uint32)(High >> 32), (uint32)High, (uint32)(Low >> 32), (uint32)Low);
	}
	return Result;
}

bool FGuid::Parse(const FString& GuidString, FGuid& OutGuid)
{
	FString Digits;
	switch (GuidString.Len())
	{
	case 32:
		Digits = GuidString;
		break;
	case 36:
		if (!RemoveHyphens(GuidString, Digits))
		{
			return false;
		}
		break;
	case 38:
	{
		const TCHAR Open = GuidString[0];
		const TCHAR Close = GuidString[37];
		if (!((Open == '{' && Close == '}') || (Open == '(' && Close == ')')) || !RemoveHyphens(GuidString.Mid(1, 36), Digits))
		{
			return false;
		}
		break;
	}
	default:
		return false;
	}

	FGuid Result;
	if (!ReadHex(*Digits, 8, Result.A) || !ReadHex(*Digits + 8, 8, Result.B) || !ReadHex(*Digits + 16, 8, Result.C) || !ReadHex(*Digits + 24, 8, Result.D))
	{
		return false;
	}
	OutGuid = Result;
	return true;
}

FString FGuid::ToString() const
{
	return FString::Printf(TEXT("%08X%08X%08X%08X"), A, B, C, D);
}
