#pragma once

#include "HAL/Platform.h"
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
