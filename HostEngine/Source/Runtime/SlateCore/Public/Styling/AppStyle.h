#pragma once

#include "HAL/Platform.h"
#include "Styling/ISlateStyle.h"

/** The style of the running application: the editor's style when the editor runs. */
class SLATECORE_API FAppStyle
{
public:
	static const ISlateStyle& Get();

	static const FName GetAppStyleSetName();

	static const FSlateBrush* GetBrush(FName PropertyName, const ANSICHAR* Specifier = nullptr)
	{
		return Get().GetBrush(PropertyName, Specifier);
	}

	template <class T>
	static const T& GetWidgetStyle(FName PropertyName, const ANSICHAR* Specifier = nullptr)
	{
		return Get().GetWidgetStyle<T>(PropertyName, Specifier);
	}

	static const FLinearColor& GetColor(FName PropertyName, const ANSICHAR* Specifier = nullptr)
	{
		return Get().GetColor(PropertyName, Specifier);
	}

	static const FSlateColor GetSlateColor(FName PropertyName, const ANSICHAR* Specifier = nullptr)
	{
		return Get().GetSlateColor(PropertyName, Specifier);
	}

	static const FSlateBrush* GetDefaultBrush()
	{
		return Get().GetDefaultBrush();
	}
};
