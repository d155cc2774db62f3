#include "Internationalization/Text.h"

#include "Misc/Parse.h"
#include "Templates/UnrealTemplate.h"

#include <cfloat>

namespace
{
	/** Backslash escapes for the characters the engine escapes in written texts. */
	FString EscapeText(const FString& Text)
	{
		FString Escaped;
		Escaped.Reserve(Text.Len());
		for (const TCHAR Character : Text)
		{
			switch (Character)
			{
			case '\\':
				Escaped += TEXT("\\\\");
				break;
			case '\n':
				Escaped += TEXT("\\n");
				break;
			case '\r':
				Escaped += TEXT("\\r");
				break;
			case '\t':
				Escaped += TEXT("\\t");
				break;
			case '\'':
				Escaped += TEXT("\\'");
				break;
			case '"':
				Escaped += TEXT("\\\"");
				break;
			default:
				Escaped.AppendChar(Character);
			}
		}
		return Escaped;
	}
}

FNumberFormattingOptions::FNumberFormattingOptions()
	: AlwaysSign(false)
	, UseGrouping(true)
	, RoundingMode(HalfToEven)
	, MinimumIntegralDigits(1)
	, MaximumIntegralDigits(DBL_MAX_10_EXP + DBL_DIG + 1)
	, MinimumFractionalDigits(0)
	, MaximumFractionalDigits(3)
{
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultWithGrouping()
{
	static const FNumberFormattingOptions Options;
	return Options;
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultNoGrouping()
{
	static const FNumberFormattingOptions Options = []()
	{
		FNumberFormattingOptions NoGrouping;
		NoGrouping.UseGrouping = false;
		return NoGrouping;
	}();
	return Options;
}

FText::FText()
	: Data(GetEmpty().Data)
{
}

FText::FText(TSharedRef<const FTextData> InData)
	: Data(std::move(InData))
{
}

FText FText::FromString(const FString& String)
{
	return FromString(FString(String));
}

FText FText::FromString(FString&& String)
{
	FTextData TextData;
	TextData.SourceString = std::move(String);
	TextData.bCultureInvariant = true;
	return FText(MakeShared<const FTextData>(std::move(TextData)));
}

FText FText::FromName(const FName& Val)
{
	return FromString(Val.ToString());
}

FText FText::AsCultureInvariant(const FString& String)
{
	return FromString(String);
}

const FText& FText::GetEmpty()
{
	static const FText Empty(MakeShared<const FTextData>(FTextData{FString(), FString(), FString(), false, true}));
	return Empty;
}

FText FText::CreateLocalized(const TCHAR* SourceString, const TCHAR* Namespace, const TCHAR* Key)
{
	return FText(MakeShared<const FTextData>(FTextData{FString(SourceString), FString(Namespace), FString(Key), true, false}));
}

const FString& FText::ToString() const
{
	return Data->SourceString;
}

bool FText::IsEmpty() const
{
	return Data->SourceString.IsEmpty();
}

bool FText::IsEmptyOrWhitespace() const
{
	return Data->SourceString.TrimStartAndEnd().IsEmpty();
}

bool FText::IsCultureInvariant() const
{
	return Data->bCultureInvariant;
}

bool FText::EqualTo(const FText& Other, ETextComparisonLevel::Type ComparisonLevel) const
{
	return Data->SourceString.Equals(Other.Data->SourceString, ESearchCase::CaseSensitive);
}

bool FText::EqualToCaseIgnored(const FText& Other) const
{
	return Data->SourceString.Equals(Other.Data->SourceString, ESearchCase::IgnoreCase);
}

bool FText::IdenticalTo(const FText& Other, ETextIdentityModifiers CompareModeFlags) const
{
	if (&Data.Get() == &Other.Data.Get())
	{
		return true;
	}
	// Two localized texts with the same identity are the same text, as in the engine's text table.
	return Data->bLocalized && Other.Data->bLocalized && Data->Namespace.Equals(Other.Data->Namespace, ESearchCase::CaseSensitive)
		&& Data->Key.Equals(Other.Data->Key, ESearchCase::CaseSensitive)
		&& Data->SourceString.Equals(Other.Data->SourceString, ESearchCase::CaseSensitive);
}

TOptional<FString> FTextInspector::GetNamespace(const FText& Text)
{
	return Text.Data->bLocalized ? TOptional<FString>(Text.Data->Namespace) : TOptional<FString>();
}

TOptional<FString> FTextInspector::GetKey(const FText& Text)
{
	return Text.Data->bLocalized ? TOptional<FString>(Text.Data->Key) : TOptional<FString>();
}

const FString* FTextInspector::GetSourceString(const FText& Text)
{
	return &Text.Data->SourceString;
}

const FString& FTextInspector::GetDisplayString(const FText& Text)
{
	return Text.Data->SourceString;
}

bool FTextInspector::ShouldGatherForLocalization(const FText& Text)
{
	return Text.Data->bLocalized;
}

const TCHAR* FTextStringHelper::ReadFromBuffer(const TCHAR* Buffer, FText& OutValue, const TCHAR* TextNamespace, const TCHAR* PackageNamespace, const bool bRequiresQuotes)
{
	check(Buffer);
	if (*Buffer == 0)
	{
		if (bRequiresQuotes)
		{
			return nullptr;
		}
		OutValue = FText::GetEmpty();
		return Buffer;
	}
	if (const TCHAR* const AfterComplexText = ReadFromBuffer_ComplexText(Buffer, OutValue, TextNamespace, PackageNamespace))
	{
		return AfterComplexText;
	}
	if (bRequiresQuotes)
	{
		FString Literal;
		int32 NumCharsRead = 0;
		if (!FParse::QuotedString(Buffer, Literal, &NumCharsRead))
		{
			return nullptr;
		}
		OutValue = FText::FromString(MoveTemp(Literal));
		return Buffer + NumCharsRead;
	}
	const FString Literal(Buffer);
	OutValue = FText::FromString(Literal);
	return Buffer + Literal.Len();
}

void FTextStringHelper::WriteToBuffer(FString& Buffer, const FText& Value, const bool bRequiresQuotes, const bool bStripPackageNamespace)
{
	const FText::FTextData& Data = Value.Data.Get();
	if (Data.bCultureInvariant)
	{
		Buffer += TEXT("INVTEXT(\"") + EscapeText(Data.SourceString) + TEXT("\")");
	}
	else if (Data.bLocalized)
	{
		Buffer += TEXT("NSLOCTEXT(\"") + EscapeText(Data.Namespace) + TEXT("\", \"") + EscapeText(Data.Key) + TEXT("\", \"") + EscapeText(Data.SourceString) + TEXT("\")");
	}
	else if (!Data.HistoryText.IsEmpty())
	{
		Buffer += Data.HistoryText;
	}
	else if (bRequiresQuotes)
	{
		Buffer += TEXT("\"") + EscapeText(Data.SourceString) + TEXT("\"");
	}
	else
	{
		Buffer += Data.SourceString;
	}
}
