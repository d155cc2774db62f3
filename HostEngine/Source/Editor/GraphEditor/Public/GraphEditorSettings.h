#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Math/Color.h"
#include "UObject/Object.h"
#include "GraphEditorSettings.generated.h"

/**
 * The user's graph editor settings: the spacing of pins on nodes, the colours of pin types and of
 * node titles. The engine derives this from
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

	// The colours of pins by type and of node titles. The engine reflects them as config properties
	// for the settings window; the host's reflection has no colour type, so they are plain members.

	FLinearColor DefaultPinTypeColor;
	FLinearColor ExecutionPinTypeColor;
	FLinearColor BooleanPinTypeColor;
	FLinearColor BytePinTypeColor;
	FLinearColor ClassPinTypeColor;
	FLinearColor IntPinTypeColor;
	FLinearColor Int64PinTypeColor;
	FLinearColor FloatPinTypeColor;
	FLinearColor DoublePinTypeColor;
	FLinearColor RealPinTypeColor;
	FLinearColor NamePinTypeColor;
	FLinearColor ObjectPinTypeColor;
	FLinearColor StringPinTypeColor;
	FLinearColor TextPinTypeColor;
	FLinearColor StructPinTypeColor;
	FLinearColor WildcardPinTypeColor;

	FLinearColor FunctionCallNodeTitleColor;
	FLinearColor PureFunctionCallNodeTitleColor;

	/** The padding of an input pin in its column. */
	GRAPHEDITOR_API FMargin GetInputPinPadding() const;

	/** The padding of an output pin in its column. */
	GRAPHEDITOR_API FMargin GetOutputPinPadding() const;
};
