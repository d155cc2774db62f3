#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "EditorStyleSettings.generated.h"

/**
 * The user's editor appearance settings. The host keeps the one that decides how names are shown:
 * whether C++ names of pins and functions are shown in their display form ("On Success" for
 * OnSuccess), on unless the user turns it off.
 */
UCLASS(config = EditorPerProjectUserSettings, MinimalAPI)
class UEditorStyleSettings : public UObject
{
	GENERATED_UCLASS_BODY()

public:
	// "Show Friendly Variable Names". The engine reflects it as a config property for the settings
	// window; the host's reflection has no bit-field bools, so it is a plain member.
	uint32 bShowFriendlyNames : 1;
};
