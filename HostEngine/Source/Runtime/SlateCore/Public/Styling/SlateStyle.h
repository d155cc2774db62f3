#pragma once

#include "HAL/Platform.h"
#include "Containers/Map.h"
#include "Logging/LogMacros.h"
#include "Templates/SharedPointer.h"
#include "Styling/ISlateStyle.h"
#include "Styling/SlateBrush.h"

#include <type_traits>

SLATECORE_API DECLARE_LOG_CATEGORY_EXTERN(LogSlateStyle, Log, All);

/** A style set filled in code: brushes and widget styles stored under property names. */
class SLATECORE_API FSlateStyleSet : public ISlateStyle
{
public:
	explicit FSlateStyleSet(const FName& InStyleSetName);
	virtual ~FSlateStyleSet() override;

	FSlateStyleSet(const FSlateStyleSet&) = delete;
	FSlateStyleSet& operator=(const FSlateStyleSet&) = delete;

	/** Stores a brush; the style set owns it from now on. */
	void Set(const FName PropertyName, FSlateBrush* InBrush);

	void Set(const FName PropertyName, const FLinearColor& InColor);

	/** Stores a brush of a derived type; the style set owns it from now on. */
	template <typename BrushType>
		requires std::is_base_of_v<FSlateBrush, BrushType>
	void Set(const FName PropertyName, BrushType* InBrush)
	{
		Set(PropertyName, static_cast<FSlateBrush*>(InBrush));
	}

	template <typename DefinitionType>
		requires std::is_base_of_v<FSlateWidgetStyle, DefinitionType>
	void Set(const FName PropertyName, const DefinitionType& InStyleDefinition)
	{
		WidgetStyleValues.Add(PropertyName, MakeShared<DefinitionType>(InStyleDefinition));
	}

	//~ Begin ISlateStyle Interface
	virtual const FName& GetStyleSetName() const override;
	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const override;
	virtual const FSlateBrush* GetDefaultBrush() const override;
	virtual const FLinearColor& GetColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const override;
	virtual const FSlateColor GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const override;

protected:
	virtual const FSlateWidgetStyle* GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName, const FSlateWidgetStyle* DefaultStyle, bool bWarnIfNotFound) const override;
	//~ End ISlateStyle Interface

private:
	FName StyleSetName;
	FSlateBrush* DefaultBrush;
	TMap<FName, FSlateBrush*> BrushResources;
	TMap<FName, TSharedRef<FSlateWidgetStyle>> WidgetStyleValues;
	TMap<FName, FLinearColor> ColorValues;
};
