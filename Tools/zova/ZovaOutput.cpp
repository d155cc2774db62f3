#include "ZovaOutput.h"

#include "Dom/JsonObject.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <cstdio>

int32 ZovaOutput::UsageError(const FString& Message)
{
	fprintf(stderr, "zova: %s\n", TCHAR_TO_UTF8(*Message));
	return 2;
}

void ZovaOutput::PrintJson(const TSharedRef<FJsonObject>& Object)
{
	FString Text;
	FJsonSerializer::Serialize(Object, TJsonWriterFactory<>::Create(&Text));
	PrintLine(Text);
}

namespace
{
	/** Columns a terminal gives the text: East Asian wide characters take two. */
	int32 DisplayWidth(const FString& Text)
	{
		int32 Width = 0;
		for (const TCHAR Char : Text)
		{
			const bool bWide = (Char >= 0x1100 && Char <= 0x115F) || (Char >= 0x2E80 && Char <= 0xA4CF) || (Char >= 0xAC00 && Char <= 0xD7A3)
				|| (Char >= 0xF900 && Char <= 0xFAFF) || (Char >= 0xFE30 && Char <= 0xFE4F) || (Char >= 0xFF00 && Char <= 0xFF60) || (Char >= 0xFFE0 && Char <= 0xFFE6);
			const bool bLowSurrogate = Char >= 0xDC00 && Char <= 0xDFFF;
			Width += bLowSurrogate ? 0 : (bWide ? 2 : 1);
		}
		return Width;
	}
}

void ZovaOutput::PrintTable(const TArray<TArray<FString>>& Rows)
{
	TArray<int32> Widths;
	for (const TArray<FString>& Row : Rows)
	{
		for (int32 Column = 0; Column < Row.Num(); ++Column)
		{
			if (Widths.Num() <= Column)
			{
				Widths.Add(0);
			}
			Widths[Column] = std::max(Widths[Column], DisplayWidth(Row[Column]));
		}
	}
	for (const TArray<FString>& Row : Rows)
	{
		FString Line;
		for (int32 Column = 0; Column < Row.Num(); ++Column)
		{
			Line += Row[Column];
			if (Column + 1 < Row.Num())
			{
				Line += FString::ChrN(Widths[Column] - DisplayWidth(Row[Column]) + 2, ' ');
			}
		}
		PrintLine(Line);
	}
}

void ZovaOutput::PrintLine(const FString& Line)
{
	printf("%s\n", TCHAR_TO_UTF8(*Line));
	fflush(stdout);
}

void ZovaOutput::PrintToStdErr(const FString& Line)
{
	fprintf(stderr, "%s\n", TCHAR_TO_UTF8(*Line));
}
