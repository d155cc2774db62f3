#pragma once

#include "HAL/Platform.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "Templates/SharedPointer.h"
#include "Misc/Optional.h"
#include "UObject/NameTypes.h"

namespace ETextComparisonLevel
{
	enum Type
	{
		Default,
		Primary,
		Secondary,
		Tertiary,
		Quaternary,
		Quinary
	};
}

enum class ETextIdentityModifiers : uint8
{
	None = 0,
	ForceLegacyEquality = 1 << 0,
};

class FFormatArgumentValue;
using FFormatNamedArguments = TMap<FString, FFormatArgumentValue>;

/** How a number is rounded to the digits it is shown with. */
enum ERoundingMode : int
{
	/** Ties go to the even neighbour: 1.5 becomes 2, 0.5 becomes 0. */
	HalfToEven,
	/** Ties go away from zero: 0.5 becomes 1, -0.5 becomes -1. */
	HalfFromZero,
	/** Ties go toward zero: 0.5 becomes 0, -0.5 becomes 0. */
	HalfToZero,
	/** Away from zero: 0.1 becomes 1, -0.1 becomes -1. */
	FromZero,
	/** Toward zero: 0.9 becomes 0, -0.9 becomes 0. */
	ToZero,
	/** Down: 0.1 becomes 0, -0.1 becomes -1. */
	ToNegativeInfinity,
	/** Up: 0.1 becomes 1, -0.1 becomes 0. */
	ToPositiveInfinity,
};

/** How a number is written as text. */
struct CORE_API FNumberFormattingOptions
{
	FNumberFormattingOptions();

	bool AlwaysSign;
	bool UseGrouping;
	ERoundingMode RoundingMode;
	int32 MinimumIntegralDigits;
	int32 MaximumIntegralDigits;
	int32 MinimumFractionalDigits;
	int32 MaximumFractionalDigits;

	static const FNumberFormattingOptions& DefaultWithGrouping();
	static const FNumberFormattingOptions& DefaultNoGrouping();
};

/**
 * Display text. The host has one culture, so a localized text shows its source string; the
 * namespace and key are kept so that tests can read them as the localization tools would.
 */
class CORE_API FText
{
public:
	FText();

	static FText FromString(const FString& String);
	static FText FromString(FString&& String);
	static FText FromName(const FName& Val);
	static FText AsCultureInvariant(const FString& String);
	static const FText& GetEmpty();

	const FString& ToString() const;
	bool IsEmpty() const;
	bool IsEmptyOrWhitespace() const;
	bool IsCultureInvariant() const;
	bool EqualTo(const FText& Other, ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	bool EqualToCaseIgnored(const FText& Other) const;
	bool IdenticalTo(const FText& Other, ETextIdentityModifiers CompareModeFlags = ETextIdentityModifiers::None) const;

	/**
	 * The pattern with each "{Name}" replaced by the argument of that name (letter case counts); an
	 * argument the pattern names but the arguments lack stays as written, and a backquote makes the
	 * next brace, bar or backquote plain text. Argument modifiers ("|plural(...)") are not read.
	 */
	static FText Format(const FText& Fmt, const FFormatNamedArguments& InArguments);

	/** Creates a localized text; used by the LOCTEXT and NSLOCTEXT macros. */
	static FText CreateLocalized(const TCHAR* SourceString, const TCHAR* Namespace, const TCHAR* Key);

private:
	friend class FTextInspector;
	friend class FTextStringHelper;

	struct FTextData
	{
		FString SourceString;
		FString Namespace;
		FString Key;
		bool bLocalized = false;
		bool bCultureInvariant = false;
		/**
		 * For a text generated from others (a number, a format, a transform) or taken from a string
		 * table: the form it was read from, which writing the text gives back. SourceString holds
		 * its display string.
		 */
		FString HistoryText;
	};

	explicit FText(TSharedRef<const FTextData> InData);

	TSharedRef<const FTextData> Data;
};

/** A value given to FText::Format; the host formats texts only. */
class CORE_API FFormatArgumentValue
{
public:
	FFormatArgumentValue(const FText& Value)
		: TextValue(Value)
	{
	}

	const FText& GetTextValue() const { return TextValue; }

private:
	FText TextValue;
};

/** Read access to the parts of a text that the localization pipeline sees. */
class CORE_API FTextInspector
{
public:
	static TOptional<FString> GetNamespace(const FText& Text);
	static TOptional<FString> GetKey(const FText& Text);
	static const FString* GetSourceString(const FText& Text);
	static const FString& GetDisplayString(const FText& Text);
	static bool ShouldGatherForLocalization(const FText& Text);
};

/** Reads and writes texts in the forms of the engine's object text. */
class CORE_API FTextStringHelper
{
public:
	/**
	 * Reads a text at Buffer: one of the forms the engine writes for texts (INVTEXT, NSLOCTEXT, LOCTEXT,
	 * LOCGEN_..., LOCTABLE), else a quoted string, else, when quotes are not required, the rest of the
	 * buffer as it is. LOCTEXT takes TextNamespace as its namespace. The position after the text, or
	 * null when it does not read.
	 */
	static const TCHAR* ReadFromBuffer(const TCHAR* Buffer, FText& OutValue, const TCHAR* TextNamespace = nullptr, const TCHAR* PackageNamespace = nullptr, const bool bRequiresQuotes = false);

	/**
	 * Writes the text in the form ReadFromBuffer reads: INVTEXT for culture-invariant text, NSLOCTEXT
	 * for localized text, the form it was read from for generated text, else the string (quoted when
	 * bRequiresQuotes).
	 */
	static void WriteToBuffer(FString& Buffer, const FText& Value, const bool bRequiresQuotes = false, const bool bStripPackageNamespace = false);

private:
	static const TCHAR* ReadFromBuffer_ComplexText(const TCHAR* Buffer, FText& OutValue, const TCHAR* TextNamespace, const TCHAR* PackageNamespace);
};
