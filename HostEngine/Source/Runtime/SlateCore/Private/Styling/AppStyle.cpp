#include "Styling/AppStyle.h"
#include "Styling/SlateStyle.h"
#include "Styling/SlateTypes.h"

namespace
{
	/**
	 * Host: the editor registers its full style set at start-up and makes it the application style.
	 * The host has no editor start-up, so it builds, on first use, the entries that editor widgets
	 * here draw with, under the editor style's name.
	 */
	class FHostEditorStyle : public FSlateStyleSet
	{
	public:
		FHostEditorStyle()
			: FSlateStyleSet(TEXT("EditorStyle"))
		{
			Set(TEXT("Icons.Plus"), new FSlateBrush());
			Set(TEXT("Icons.Minus"), new FSlateBrush());
			Set(TEXT("Button"), FButtonStyle());
			Set(TEXT("NoBorder"), FButtonStyle());
		}
	};
}

const ISlateStyle& FAppStyle::Get()
{
	static const FHostEditorStyle EditorStyle;
	return EditorStyle;
}

const FName FAppStyle::GetAppStyleSetName()
{
	return Get().GetStyleSetName();
}
