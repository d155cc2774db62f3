#include "Containers/UnrealString.h"

#include <cstdio>
#include <string>

namespace
{
	void AppendNarrow(FString& Out, const char* Text)
	{
		for (; *Text; ++Text)
		{
			Out.AppendChar((TCHAR)(uint8)*Text);
		}
	}

	void AppendPadded(FString& Out, const TCHAR* Text, int32 Length, int32 Width, bool bLeftAlign)
	{
		const int32 Padding = Width > Length ? Width - Length : 0;
		if (!bLeftAlign)
		{
			Out.Append(*FString::ChrN(Padding, ' '));
		}
		Out.Append(Text, Length);
		if (bLeftAlign)
		{
			Out.Append(*FString::ChrN(Padding, ' '));
		}
	}
}

FString FormatVarArgs(const TCHAR* Fmt, va_list Args)
{
	FString Result;
	if (!Fmt)
	{
		return Result;
	}
	for (const TCHAR* Cursor = Fmt; *Cursor; ++Cursor)
	{
		if (*Cursor != '%')
		{
			const TCHAR* Run = Cursor;
			while (Cursor[1] && Cursor[1] != '%')
			{
				++Cursor;
			}
			Result.Append(Run, (int32)(Cursor - Run) + 1);
			continue;
		}
		++Cursor;
		if (*Cursor == '%')
		{
			Result.AppendChar('%');
			continue;
		}

		// Collect the conversion as a narrow format for snprintf: flags, width, precision, length.
		std::string Spec = "%";
		bool bLeftAlign = false;
		while (*Cursor == '-' || *Cursor == '+' || *Cursor == ' ' || *Cursor == '#' || *Cursor == '0')
		{
			bLeftAlign |= *Cursor == '-';
			Spec += (char)*Cursor++;
		}
		int32 Width = -1;
		if (*Cursor == '*')
		{
			Width = va_arg(Args, int);
			Spec += std::to_string(Width);
			++Cursor;
		}
		else
		{
			while (FChar::IsDigit(*Cursor))
			{
				Width = (Width < 0 ? 0 : Width * 10) + (*Cursor - '0');
				Spec += (char)*Cursor++;
			}
		}
		int32 Precision = -1;
		if (*Cursor == '.')
		{
			Spec += '.';
			++Cursor;
			Precision = 0;
			if (*Cursor == '*')
			{
				Precision = va_arg(Args, int);
				Spec += std::to_string(Precision);
				++Cursor;
			}
			else
			{
				while (FChar::IsDigit(*Cursor))
				{
					Precision = Precision * 10 + (*Cursor - '0');
					Spec += (char)*Cursor++;
				}
			}
		}
		int32 LongCount = 0;
		bool bSizeT = false;
		bool bLongDouble = false;
		while (*Cursor == 'l' || *Cursor == 'h' || *Cursor == 'z' || *Cursor == 'j' || *Cursor == 't' || *Cursor == 'L' || *Cursor == 'I')
		{
			if (*Cursor == 'I' && Cursor[1] == '6' && Cursor[2] == '4')
			{
				LongCount = 2;
				Cursor += 3;
				continue;
			}
			LongCount += *Cursor == 'l' ? 1 : 0;
			bSizeT |= *Cursor == 'z' || *Cursor == 'j' || *Cursor == 't';
			bLongDouble |= *Cursor == 'L';
			++Cursor;
		}

		char Buffer[512];
		const TCHAR Conversion = *Cursor;
		switch (Conversion)
		{
		case 'd':
		case 'i':
		case 'u':
		case 'x':
		case 'X':
		case 'o':
		{
			Spec += "ll";
			Spec += (char)Conversion;
			long long Value = 0;
			if (LongCount >= 2 || bSizeT)
			{
				Value = va_arg(Args, long long);
			}
			else if (LongCount == 1)
			{
				Value = Conversion == 'd' || Conversion == 'i' ? (long long)va_arg(Args, long) : (long long)va_arg(Args, unsigned long);
			}
			else
			{
				Value = Conversion == 'd' || Conversion == 'i' ? (long long)va_arg(Args, int) : (long long)va_arg(Args, unsigned int);
			}
			snprintf(Buffer, sizeof(Buffer), Spec.c_str(), Value);
			AppendNarrow(Result, Buffer);
			break;
		}
		case 'f':
		case 'F':
		case 'e':
		case 'E':
		case 'g':
		case 'G':
		{
			Spec += (char)Conversion;
			const double Value = bLongDouble ? (double)va_arg(Args, long double) : va_arg(Args, double);
			const int Needed = snprintf(nullptr, 0, Spec.c_str(), Value);
			std::string Wide((size_t)std::max(Needed, 0) + 1, '\0');
			snprintf(Wide.data(), Wide.size(), Spec.c_str(), Value);
			AppendNarrow(Result, Wide.c_str());
			break;
		}
		case 'p':
			snprintf(Buffer, sizeof(Buffer), "%p", va_arg(Args, void*));
			AppendNarrow(Result, Buffer);
			break;
		case 'c':
		{
			const TCHAR Char = (TCHAR)va_arg(Args, int);
			AppendPadded(Result, &Char, 1, Width, bLeftAlign);
			break;
		}
		case 's':
		case 'S':
		{
			const TCHAR* Text = va_arg(Args, const TCHAR*);
			if (!Text)
			{
				Text = TEXT("(null)");
			}
			int32 Length = FCString::Strlen(Text);
			if (Precision >= 0 && Precision < Length)
			{
				Length = Precision;
			}
			AppendPadded(Result, Text, Length, Width, bLeftAlign);
			break;
		}
		case 0:
			return Result;
		default:
			Result.AppendChar('%');
			Result.AppendChar(Conversion);
			break;
		}
	}
	return Result;
}
