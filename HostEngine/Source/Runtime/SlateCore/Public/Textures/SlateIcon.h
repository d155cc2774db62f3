#pragma once

#include "HAL/Platform.h"
#include "UObject/NameTypes.h"

/** An icon named by a style set and a brush in it; a default-made icon is unset and shows nothing. */
struct FSlateIcon
{
	FSlateIcon() = default;

	FSlateIcon(const FName InStyleSetName, const FName InStyleName)
		: StyleSetName(InStyleSetName)
		, StyleName(InStyleName)
		, bIsSet(true)
	{
	}

	bool IsSet() const { return bIsSet; }
	const FName& GetStyleName() const { return StyleName; }

private:
	FName StyleSetName;
	FName StyleName;
	bool bIsSet = false;
};
