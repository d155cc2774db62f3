#include "Settings/EditorStyleSettings.h"

UEditorStyleSettings::UEditorStyleSettings(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, bShowFriendlyNames(true)
{
}
