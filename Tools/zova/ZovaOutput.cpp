#include "ZovaOutput.h"

#include "Dom/JsonObject.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <algorithm>
#include <cstdio>
#include <locale.h>
#include <wchar.h>

namespace
{
	bool IsHighSurrogate(uint32 Unit)
	{
		return Unit >= 0xD800 && Unit <= 0xDBFF;
	}

	bool IsLowSurrogate(uint32 Unit)
	{
		return Unit >= 0xDC00 && Unit <= 0xDFFF;
	}

	/** Calls Visit with each code point of the UTF-16 text; an unpaired surrogate comes as itself. */
	template <typename VisitorType>
	void ForEachCodePoint(const FString& Text, VisitorType&& Visit)
	{
		for (int32 Index = 0; Index < Text.Len(); ++Index)
		{
			const uint32 Unit = (uint32)Text[Index];
			if (IsHighSurrogate(Unit) && Index + 1 < Text.Len() && IsLowSurrogate((uint32)Text[Index + 1]))
			{
				Visit(0x10000 + ((Unit - 0xD800) << 10) + ((uint32)Text[++Index] - 0xDC00));
			}
			else
			{
				Visit(Unit);
			}
		}
	}

	/** Characters that move the cursor, start a sequence, break the line or reorder what follows. */
	bool MustEscape(uint32 CodePoint)
	{
		return CodePoint < 0x20
			|| (CodePoint >= 0x7F && CodePoint <= 0x9F)
			|| CodePoint == 0x2028 || CodePoint == 0x2029
			|| (CodePoint >= 0x202A && CodePoint <= 0x202E)
			|| (CodePoint >= 0x2066 && CodePoint <= 0x2069)
			|| (CodePoint >= 0xD800 && CodePoint <= 0xDFFF);
	}

	/** Unicode character widths come from the C library's UTF-8 locale, whatever the user's locale is. */
	int32 GetCodePointWidth(uint32 CodePoint)
	{
		static const locale_t Utf8Locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", (locale_t)0);
		if (!Utf8Locale)
		{
			return 1;
		}
		const locale_t Previous = uselocale(Utf8Locale);
		const int Width = wcwidth((wchar_t)CodePoint);
		uselocale(Previous);
		return Width < 0 ? 1 : Width;
	}

	void WriteLine(FILE* Stream, const FString& Line)
	{
		const FTCHARToUTF8 Utf8(*Line, Line.Len());
		fwrite(Utf8.Get(), 1, Utf8.Length(), Stream);
		fputc('\n', Stream);
		fflush(Stream);
	}
}

FString ZovaOutput::EscapeForTerminal(const FString& Text)
{
	FString Escaped;
	Escaped.Reserve(Text.Len());
	for (int32 Index = 0; Index < Text.Len(); ++Index)
	{
		const uint32 Unit = (uint32)Text[Index];
		const bool bPairedSurrogate = (IsHighSurrogate(Unit) && Index + 1 < Text.Len() && IsLowSurrogate((uint32)Text[Index + 1]))
			|| (IsLowSurrogate(Unit) && Index > 0 && IsHighSurrogate((uint32)Text[Index - 1]));
		if (bPairedSurrogate || !MustEscape(Unit))
		{
			Escaped.AppendChar(Text[Index]);
		}
		else if (Unit == '\n')
		{
			Escaped += TEXT("\\n");
		}
		else if (Unit == '\r')
		{
			Escaped += TEXT("\\r");
		}
		else if (Unit == '\t')
		{
			Escaped += TEXT("\\t");
		}
		else
		{
			Escaped.Appendf(TEXT("\\u%04x"), Unit);
		}
	}
	return Escaped;
}

int32 ZovaOutput::GetDisplayWidth(const FString& Text)
{
	int32 Width = 0;
	ForEachCodePoint(Text, [&Width](uint32 CodePoint) { Width += GetCodePointWidth(CodePoint); });
	return Width;
}

int32 ZovaOutput::UsageError(const FString& Message)
{
	PrintError(Message);
	return 2;
}

void ZovaOutput::PrintError(const FString& Message)
{
	WriteLine(stderr, TEXT("zova: ") + EscapeForTerminal(Message));
}

void ZovaOutput::PrintJson(const TSharedRef<FJsonObject>& Object)
{
	FString Text;
	FJsonSerializer::Serialize(Object, TJsonWriterFactory<>::Create(&Text));
	WriteLine(stdout, Text);
}

void ZovaOutput::PrintTable(const TArray<TArray<FString>>& Rows)
{
	TArray<TArray<FString>> Cells;
	TArray<int32> Widths;
	for (const TArray<FString>& Row : Rows)
	{
		TArray<FString>& CellRow = Cells.AddDefaulted_GetRef();
		for (int32 Column = 0; Column < Row.Num(); ++Column)
		{
			CellRow.Add(EscapeForTerminal(Row[Column]));
			if (Widths.Num() <= Column)
			{
				Widths.Add(0);
			}
			Widths[Column] = std::max(Widths[Column], GetDisplayWidth(CellRow.Last()));
		}
	}
	for (const TArray<FString>& Row : Cells)
	{
		FString Line;
		// Padding goes only before a cell that shows something, so no line ends in spaces of the table's own.
		int32 NumShownCells = Row.Num();
		while (NumShownCells > 0 && Row[NumShownCells - 1].IsEmpty())
		{
			--NumShownCells;
		}
		for (int32 Column = 0; Column < NumShownCells; ++Column)
		{
			Line += Row[Column];
			if (Column + 1 < NumShownCells)
			{
				Line += FString::ChrN(Widths[Column] - GetDisplayWidth(Row[Column]) + 2, ' ');
			}
		}
		WriteLine(stdout, Line);
	}
}

void ZovaOutput::PrintLine(const FString& Line)
{
	WriteLine(stdout, Line);
}

void ZovaOutput::PrintToStdErr(const FString& Line)
{
	WriteLine(stderr, EscapeForTerminal(Line));
}
