#pragma once

#include "HAL/Platform.h"
#include "Fonts/SlateFontInfo.h"
#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateWidgetStyle.h"

/** The look of an SButton. */
struct SLATECORE_API FButtonStyle : public FSlateWidgetStyle
{
	static const FName TypeName;

	virtual const FName GetTypeName() const override { return TypeName; }

	/** The style a widget falls back to when a style set has none of the requested name. */
	static const FButtonStyle& GetDefault();
};

/** The look of an STextBlock: its font and colour. */
struct SLATECORE_API FTextBlockStyle : public FSlateWidgetStyle
{
	static const FName TypeName;

	virtual const FName GetTypeName() const override { return TypeName; }

	static const FTextBlockStyle& GetDefault();

	FTextBlockStyle& SetFont(const FSlateFontInfo& InFont)
	{
		Font = InFont;
		return *this;
	}

	FTextBlockStyle& SetColorAndOpacity(const FSlateColor& InColorAndOpacity)
	{
		ColorAndOpacity = InColorAndOpacity;
		return *this;
	}

	FSlateFontInfo Font = FSlateFontInfo(TEXT("Regular"), 10.0f);
	FSlateColor ColorAndOpacity = FSlateColor::UseForeground();
};

/** The look of an SEditableTextBox: the box behind the text, the space around it and the text. */
struct SLATECORE_API FEditableTextBoxStyle : public FSlateWidgetStyle
{
	static const FName TypeName;

	virtual const FName GetTypeName() const override { return TypeName; }

	static const FEditableTextBoxStyle& GetDefault();

	FEditableTextBoxStyle& SetBackgroundImageNormal(const FSlateBrush& InBackgroundImageNormal)
	{
		BackgroundImageNormal = InBackgroundImageNormal;
		return *this;
	}

	FEditableTextBoxStyle& SetPadding(const FMargin& InPadding)
	{
		Padding = InPadding;
		return *this;
	}

	FEditableTextBoxStyle& SetTextStyle(const FTextBlockStyle& InTextStyle)
	{
		TextStyle = InTextStyle;
		return *this;
	}

	FEditableTextBoxStyle& SetForegroundColor(const FSlateColor& InForegroundColor)
	{
		ForegroundColor = InForegroundColor;
		return *this;
	}

	/** The box while the text is neither hovered, focused nor read-only: the only state the host draws. */
	FSlateBrush BackgroundImageNormal;
	FMargin Padding = FMargin(4.0f, 2.0f);
	FTextBlockStyle TextStyle = FTextBlockStyle().SetFont(FSlateFontInfo(TEXT("Regular"), 9.0f));
	FSlateColor ForegroundColor = FSlateColor::UseForeground();
};
