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

	struct FTextData
	{
		FString SourceString;
		FString Namespace;
		FString Key;
		bool bLocalized = false;
		bool bCultureInvariant = false;
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
