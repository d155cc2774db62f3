#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "UObject/Object.h"
#include "GraphEditorSettings.generated.h"

/**
 * The user's graph editor settings: the spacing of pins on nodes. The engine derives this from
 * UDeveloperSettings, the base that lists settings in the editor's settings window; the host has
 * no settings window, so it derives from UObject.
 */
UCLASS(MinimalAPI, config = EditorPerProjectUserSettings)
class UGraphEditorSettings : public UObject
{
	GENERATED_BODY()

public:
	GRAPHEDITOR_API UGraphEditorSettings(const FObjectInitializer& ObjectInitializer);

	/** Space above each pin. */
	UPROPERTY(config)
	float PaddingAbovePin;

	/** Space below each pin. */
	UPROPERTY(config)
	float PaddingBelowPin;

	/** Space between an input pin and the node's middle. */
	UPROPERTY(config)
	float PaddingRightOfInput;

	/** Space between an output pin and the node's middle. */
	UPROPERTY(config)
	float PaddingLeftOfOutput;

	/** Space between pins and the node's edge; never negative in use. */
	UPROPERTY(config)
	float PaddingTowardsNodeEdge;

	/** The padding of an input pin in its column. */
	GRAPHEDITOR_API FMargin GetInputPinPadding() const;

	/** The padding of an output pin in its column. */
	GRAPHEDITOR_API FMargin GetOutputPinPadding() const;
};
