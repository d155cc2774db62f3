#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "KismetTextLibrary.generated.h"

/** The engine's text functions that turn strings and names into text and back; formatting is not hosted. */
UCLASS(meta=(BlueprintThreadSafe, ScriptName="TextLibrary"), MinimalAPI)
class UKismetTextLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_UCLASS_BODY()

	/** Converts localizable text to the string */
	UFUNCTION(BlueprintPure, meta = (DisplayName = "To String (Text)", CompactNodeTitle = "->", BlueprintAutocast), Category = "Utilities|String")
	static ENGINE_API FString Conv_TextToString(const FText& InText);

	/** Converts string to culture invariant text. Use 'Make Literal Text' to create localizable text, or 'Format' if concatenating localized text */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "To Text (String)", BlueprintAutocast), Category="Utilities|Text")
	static ENGINE_API FText Conv_StringToText(const FString& InString);

	/** Converts Name to culture invariant text */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "To Text (Name)", BlueprintAutocast), Category="Utilities|Text")
	static ENGINE_API FText Conv_NameToText(FName InName);
};
