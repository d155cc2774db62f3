#include "Styling/SlateStyle.h"

DEFINE_LOG_CATEGORY(LogSlateStyle);

FName ISlateStyle::Join(FName First, const ANSICHAR* Second)
{
	if (Second == nullptr)
	{
		return First;
	}
	return FName(*(First.ToString() + TEXT(".") + FString(Second)));
}

FSlateStyleSet::FSlateStyleSet(const FName& InStyleSetName)
	: StyleSetName(InStyleSetName)
	, DefaultBrush(new FSlateBrush())
{
}

FSlateStyleSet::~FSlateStyleSet()
{
	for (const TPair<FName, FSlateBrush*>& Resource : BrushResources)
	{
		delete Resource.Value;
	}
	delete DefaultBrush;
}

void FSlateStyleSet::Set(const FName PropertyName, FSlateBrush* InBrush)
{
	check(InBrush);
	if (FSlateBrush* const* const Existing = BrushResources.Find(PropertyName))
	{
		delete *Existing;
	}
	BrushResources.Add(PropertyName, InBrush);
}

void FSlateStyleSet::Set(const FName PropertyName, const FLinearColor& InColor)
{
	ColorValues.Add(PropertyName, InColor);
}

const FName& FSlateStyleSet::GetStyleSetName() const
{
	return StyleSetName;
}

const FSlateBrush* FSlateStyleSet::GetBrush(const FName PropertyName, const ANSICHAR* Specifier) const
{
	const FName StyleName = Join(PropertyName, Specifier);
	if (FSlateBrush* const* const Found = BrushResources.Find(StyleName))
	{
		return *Found;
	}
	UE_LOG(LogSlateStyle, Warning, TEXT("Style set '%s' has no brush '%s'; drawing the default brush."), *StyleSetName.ToString(), *StyleName.ToString());
	return DefaultBrush;
}

const FSlateBrush* FSlateStyleSet::GetDefaultBrush() const
{
	return DefaultBrush;
}

const FLinearColor& FSlateStyleSet::GetColor(const FName PropertyName, const ANSICHAR* Specifier) const
{
	const FName StyleName = Join(PropertyName, Specifier);
	if (const FLinearColor* const Found = ColorValues.Find(StyleName))
	{
		return *Found;
	}
	UE_LOG(LogSlateStyle, Warning, TEXT("Style set '%s' has no color '%s'; using white."), *StyleSetName.ToString(), *StyleName.ToString());
	return FLinearColor::White;
}

const FSlateColor FSlateStyleSet::GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier) const
{
	return GetColor(PropertyName, Specifier);
}

const FSlateWidgetStyle* FSlateStyleSet::GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName, const FSlateWidgetStyle* DefaultStyle, bool bWarnIfNotFound) const
{
	const TSharedRef<FSlateWidgetStyle>* const Found = WidgetStyleValues.Find(StyleName);
	if (Found != nullptr && (*Found)->GetTypeName() == DesiredTypeName)
	{
		return &Found->Get();
	}
	if (bWarnIfNotFound)
	{
		UE_LOG(LogSlateStyle, Warning, TEXT("Style set '%s' has no %s '%s'; using the type's defaults."), *StyleSetName.ToString(), *DesiredTypeName.ToString(), *StyleName.ToString());
	}
	return DefaultStyle;
}
