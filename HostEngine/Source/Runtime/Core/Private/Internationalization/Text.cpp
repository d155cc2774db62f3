#include "Internationalization/Text.h"

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
