#include "Containers/StringConv.h"

#include <cstring>

namespace
{
	/** UNICODE_BOGUS_CHAR_CODEPOINT: what the engine writes for anything it cannot convert. */
	constexpr uint32 BogusChar = '?';

	bool IsSurrogate(uint32 CodePoint)
	{
		return (CodePoint & 0xFFFFF800) == 0xD800;
	}

	bool IsHighSurrogate(uint32 CodePoint)
	{
		return (CodePoint & 0xFFFFFC00) == 0xD800;
	}

	bool IsLowSurrogate(uint32 CodePoint)
	{
		return (CodePoint & 0xFFFFFC00) == 0xDC00;
	}

	/**
	 * Adds the next continuation byte to CodePoint. A byte that is not one ends the sequence and is used
	 * up with it, as UE 5.4 does (5.8 reads it again as the start of the next sequence).
	 */
	FORCEINLINE bool ReadTrailingByte(const uint8*& Cursor, const uint8* End, uint32& CodePoint)
	{
		if (Cursor == End)
		{
			return false;
		}
		const uint8 Byte = *Cursor++;
		if ((Byte & 0xC0) != 0x80)
		{
			return false;
		}
		CodePoint = (CodePoint << 6) | (Byte & 0x3F);
		return true;
	}

	/** The code point of the sequence at Cursor (a lead byte of 0x80 or more), or the bogus character. */
	FORCEINLINE uint32 DecodeSequence(const uint8*& Cursor, const uint8* End)
	{
		const uint8 Lead = *Cursor++;
		if (Lead < 0xC0)
		{
			return BogusChar;
		}
		// F8 to FF lead the five and six byte forms that UTF-8 no longer has: read through, then refused.
		const int32 TrailingBytes = Lead < 0xE0 ? 1 : Lead < 0xF0 ? 2 : Lead < 0xF8 ? 3 : Lead < 0xFC ? 4 : 5;
		uint32 CodePoint = Lead & (0x3F >> TrailingBytes);
		for (int32 Read = 0; Read < TrailingBytes; ++Read)
		{
			if (!ReadTrailingByte(Cursor, End, CodePoint))
			{
				return BogusChar;
			}
		}
		switch (TrailingBytes)
		{
		case 1:
			return CodePoint >= 0x80 ? CodePoint : BogusChar;
		case 2:
			return CodePoint >= 0x800 && CodePoint <= 0xFFFD && !IsSurrogate(CodePoint) ? CodePoint : BogusChar;
		case 3:
			return CodePoint >= 0x10000 && CodePoint <= 0x10FFFF ? CodePoint : BogusChar;
		default:
			return BogusChar;
		}
	}

	/** Calls Write with each UTF-16 unit of the UTF-8 source. */
	template <typename WriteType>
	void DecodeUtf8(const UTF8CHAR* Source, int32 SourceLen, WriteType&& Write)
	{
		const uint8* Cursor = reinterpret_cast<const uint8*>(Source);
		const uint8* const End = Cursor + (SourceLen > 0 ? SourceLen : 0);
		while (Cursor < End)
		{
			// Between sequences, runs of ASCII (most of any JSON text) are taken eight bytes at a time.
			uint64 Eight;
			if (End - Cursor >= 8 && (std::memcpy(&Eight, Cursor, 8), (Eight & 0x8080808080808080ull) == 0))
			{
				for (int32 Byte = 0; Byte < 8; ++Byte)
				{
					Write((TCHAR)Cursor[Byte]);
				}
				Cursor += 8;
				continue;
			}
			if (*Cursor < 0x80)
			{
				Write((TCHAR)*Cursor++);
				continue;
			}
			const uint32 CodePoint = DecodeSequence(Cursor, End);
			if (CodePoint >= 0x10000)
			{
				Write((TCHAR)(0xD800 + ((CodePoint - 0x10000) >> 10)));
				Write((TCHAR)(0xDC00 + ((CodePoint - 0x10000) & 0x3FF)));
			}
			else
			{
				Write((TCHAR)CodePoint);
			}
		}
	}

	/** Calls Write with each UTF-8 byte of the UTF-16 source. */
	template <typename WriteType>
	void EncodeUtf8(const TCHAR* Source, int32 SourceLen, WriteType&& Write)
	{
		const TCHAR* Cursor = Source;
		const TCHAR* const End = Source + (SourceLen > 0 ? SourceLen : 0);
		while (Cursor < End)
		{
			uint32 CodePoint = *Cursor++;
			if (CodePoint < 0x80)
			{
				Write((UTF8CHAR)CodePoint);
				continue;
			}
			if (IsHighSurrogate(CodePoint) && Cursor < End && IsLowSurrogate(*Cursor))
			{
				CodePoint = 0x10000 + ((CodePoint - 0xD800) << 10) + (*Cursor++ - 0xDC00);
			}
			else if (IsSurrogate(CodePoint) || CodePoint >= 0xFFFE)
			{
				Write((UTF8CHAR)BogusChar);
				continue;
			}

			if (CodePoint < 0x800)
			{
				Write((UTF8CHAR)(0xC0 | (CodePoint >> 6)));
			}
			else
			{
				if (CodePoint < 0x10000)
				{
					Write((UTF8CHAR)(0xE0 | (CodePoint >> 12)));
				}
				else
				{
					Write((UTF8CHAR)(0xF0 | (CodePoint >> 18)));
					Write((UTF8CHAR)(0x80 | ((CodePoint >> 12) & 0x3F)));
				}
				Write((UTF8CHAR)(0x80 | ((CodePoint >> 6) & 0x3F)));
			}
			Write((UTF8CHAR)(0x80 | (CodePoint & 0x3F)));
		}
	}
}

int32 UE::Core::Private::ConvertInOnePass(UTF8CHAR* Dest, const TCHAR* Source, int32 SourceLen)
{
	UTF8CHAR* Cursor = Dest;
	EncodeUtf8(Source, SourceLen, [&Cursor](UTF8CHAR Unit) { *Cursor++ = Unit; });
	return (int32)(Cursor - Dest);
}

int32 UE::Core::Private::ConvertInOnePass(TCHAR* Dest, const UTF8CHAR* Source, int32 SourceLen)
{
	TCHAR* Cursor = Dest;
	DecodeUtf8(Source, SourceLen, [&Cursor](TCHAR Unit) { *Cursor++ = Unit; });
	return (int32)(Cursor - Dest);
}

int32 UE::Core::Private::ConvertInOnePass(ANSICHAR* Dest, const TCHAR* Source, int32 SourceLen)
{
	for (int32 Index = 0; Index < SourceLen; ++Index)
	{
		Dest[Index] = Source[Index] <= 0x7F ? (ANSICHAR)Source[Index] : (ANSICHAR)BogusChar;
	}
	return SourceLen > 0 ? SourceLen : 0;
}

int32 UE::Core::Private::ConvertInOnePass(TCHAR* Dest, const ANSICHAR* Source, int32 SourceLen)
{
	for (int32 Index = 0; Index < SourceLen; ++Index)
	{
		Dest[Index] = (TCHAR)Source[Index];
	}
	return SourceLen > 0 ? SourceLen : 0;
}

int32 UE::Core::Private::GetConvertedLength(const UTF8CHAR*, const TCHAR* Source, int32 SourceLen)
{
	int32 Count = 0;
	EncodeUtf8(Source, SourceLen, [&Count](UTF8CHAR) { ++Count; });
	return Count;
}

int32 UE::Core::Private::GetConvertedLength(const TCHAR*, const UTF8CHAR* Source, int32 SourceLen)
{
	int32 Count = 0;
	DecodeUtf8(Source, SourceLen, [&Count](TCHAR) { ++Count; });
	return Count;
}

UTF8CHAR* UE::Core::Private::Convert(UTF8CHAR* Dest, int32 DestLen, const TCHAR* Source, int32 SourceLen)
{
	const bool bFits = (int64)DestLen >= (int64)SourceLen * MaxConvertedUnits<TCHAR, UTF8CHAR> || DestLen >= GetConvertedLength(Dest, Source, SourceLen);
	return bFits ? Dest + ConvertInOnePass(Dest, Source, SourceLen) : nullptr;
}

TCHAR* UE::Core::Private::Convert(TCHAR* Dest, int32 DestLen, const UTF8CHAR* Source, int32 SourceLen)
{
	const bool bFits = DestLen >= SourceLen || DestLen >= GetConvertedLength(Dest, Source, SourceLen);
	return bFits ? Dest + ConvertInOnePass(Dest, Source, SourceLen) : nullptr;
}
