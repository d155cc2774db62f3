#pragma once

#include "HAL/Platform.h"
#include "UObject/NameTypes.h"
#include "Math/Color.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateWidgetStyle.h"

struct FSlateBrush;

/** A named collection of brushes and widget styles, looked up by property name. */
class SLATECORE_API ISlateStyle
{
public:
	virtual ~ISlateStyle() = default;

	virtual const FName& GetStyleSetName() const = 0;

	/** The brush of that name; the default brush, never null, when there is none. */
	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const = 0;

	virtual const FSlateBrush* GetDefaultBrush() const = 0;

	/** The colour of that name; white, with a warning, when there is none. */
	virtual const FLinearColor& GetColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const = 0;
	virtual const FSlateColor GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const = 0;

	/** The widget style of that name and type; the type's default style when there is none. */
	template <typename WidgetStyleType>
	const WidgetStyleType& GetWidgetStyle(FName PropertyName, const ANSICHAR* Specifier = nullptr) const
	{
		const FSlateWidgetStyle* const ExistingStyle = GetWidgetStyleInternal(WidgetStyleType::TypeName, Join(PropertyName, Specifier), &WidgetStyleType::GetDefault(), true);
		if (ExistingStyle == nullptr)
		{
			return WidgetStyleType::GetDefault();
		}
		return static_cast<const WidgetStyleType&>(*ExistingStyle);
	}

	/** "Name.Specifier", or the name alone when there is no specifier. */
	static FName Join(FName First, const ANSICHAR* Second);

protected:
	virtual const FSlateWidgetStyle* GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName, const FSlateWidgetStyle* DefaultStyle, bool bWarnIfNotFound) const = 0;
};
