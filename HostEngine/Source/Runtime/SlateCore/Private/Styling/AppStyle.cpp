#include "Styling/AppStyle.h"
#include "HostEditorStyle.h"

const ISlateStyle& FAppStyle::Get()
{
	static const FHostEditorStyle EditorStyle;
	return EditorStyle;
}

const FName FAppStyle::GetAppStyleSetName()
{
	return Get().GetStyleSetName();
}
