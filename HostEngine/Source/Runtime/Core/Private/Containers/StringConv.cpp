#include "Containers/StringConv.h"
#include "Misc/CString.h"

namespace
{
	void AppendCodePoint(TArray<ANSICHAR>& Out, uint32 CodePoint)
	{
		if (CodePoint < 0x80)
		{
			Out.Add((ANSICHAR)CodePoint);
		}
		else if (CodePoint < 0x800)
		{
			Out.Add((ANSICHAR)(0xC0 | (CodePoint >> 6)));
			Out.Add((ANSICHAR)(0x80 | (CodePoint & 0x3F)));
		}
		else if (CodePoint < 0x10000)
		{
			Out.Add((ANSICHAR)(0xE0 | (CodePoint >> 12)));
			Out.Add((ANSICHAR)(0x80 | ((CodePoint >> 6) & 0x3F)));
			Out.Add((ANSICHAR)(0x80 | (CodePoint & 0x3F)));
		}
		else
		{
			Out.Add((ANSICHAR)(0xF0 | (CodePoint >> 18)));
			Out.Add((ANSICHAR)(0x80 | ((CodePoint >> 12) & 0x3F)));
			Out.Add((ANSICHAR)(0x80 | ((CodePoint >> 6) & 0x3F)));
			Out.Add((ANSICHAR)(0x80 | (CodePoint & 0x3F)));
		}
	}

	void AppendUTF16(TArray<TCHAR>& Out, uint32 CodePoint)
	{
		if (CodePoint >= 0x10000)
		{
			CodePoint -= 0x10000;
			Out.Add((TCHAR)(0xD800 + (CodePoint >> 10)));
			Out.Add((TCHAR)(0xDC00 + (CodePoint & 0x3FF)));
		}
		else
		{
			Out.Add((TCHAR)CodePoint);
		}
	}

	constexpr uint32 ReplacementCharacter = 0xFFFD;
}

FTCHARToUTF8::FTCHARToUTF8(const TCHAR* Source)
	: FTCHARToUTF8(Source, FCString::Strlen(Source))
{
}

FTCHARToUTF8::FTCHARToUTF8(const TCHAR* Source, int32 SourceLen)
{
	Buffer.Reserve(SourceLen * 3 + 1);
	for (int32 Index = 0; Index < SourceLen; ++Index)
	{
		const uint32 Unit = Source[Index];
		if (Unit >= 0xD800 && Unit <= 0xDBFF && Index + 1 < SourceLen && Source[Index + 1] >= 0xDC00 && Source[Index + 1] <= 0xDFFF)
		{
			AppendCodePoint(Buffer, 0x10000 + ((Unit - 0xD800) << 10) + (Source[Index + 1] - 0xDC00));
			++Index;
		}
		else if (Unit >= 0xD800 && Unit <= 0xDFFF)
		{
			Buffer.Add('?');
		}
		else
		{
			AppendCodePoint(Buffer, Unit);
		}
	}
	Buffer.Add(0);
}

FUTF8ToTCHAR::FUTF8ToTCHAR(const ANSICHAR* Source)
	: FUTF8ToTCHAR(Source, Source ? (int32)__builtin_strlen(Source) : 0)
{
}

FUTF8ToTCHAR::FUTF8ToTCHAR(const ANSICHAR* Source, int32 SourceLen)
{
	Buffer.Reserve(SourceLen + 1);
	const uint8* Bytes = reinterpret_cast<const uint8*>(Source);
	int32 Index = 0;
	while (Index < SourceLen && Bytes[Index] != 0)
	{
		const uint8 Lead = Bytes[Index];
		int32 Extra = 0;
		uint32 CodePoint = 0;
		uint32 Minimum = 0;
		if (Lead < 0x80)
		{
			Buffer.Add(Lead);
			++Index;
			continue;
		}
		else if ((Lead & 0xE0) == 0xC0)
		{
			Extra = 1;
			CodePoint = Lead & 0x1F;
			Minimum = 0x80;
		}
		else if ((Lead & 0xF0) == 0xE0)
		{
			Extra = 2;
			CodePoint = Lead & 0x0F;
			Minimum = 0x800;
		}
		else if ((Lead & 0xF8) == 0xF0)
		{
			Extra = 3;
			CodePoint = Lead & 0x07;
			Minimum = 0x10000;
		}
		else
		{
			AppendUTF16(Buffer, ReplacementCharacter);
			++Index;
			continue;
		}
		int32 Taken = 1;
		bool bValid = true;
		for (; Taken <= Extra; ++Taken)
		{
			if (Index + Taken >= SourceLen || (Bytes[Index + Taken] & 0xC0) != 0x80)
			{
				bValid = false;
				break;
			}
			CodePoint = (CodePoint << 6) | (Bytes[Index + Taken] & 0x3F);
		}
		if (!bValid || CodePoint < Minimum || CodePoint > 0x10FFFF || (CodePoint >= 0xD800 && CodePoint <= 0xDFFF))
		{
			AppendUTF16(Buffer, ReplacementCharacter);
			Index += bValid ? Taken : std::max(Taken, 1);
			continue;
		}
		AppendUTF16(Buffer, CodePoint);
		Index += Taken;
	}
	Buffer.Add(0);
}

int32 UE::Core::Private::TStringCast<TCHAR, TCHAR>::Length() const
{
	return Count >= 0 ? Count : FCString::Strlen(Ptr);
}
