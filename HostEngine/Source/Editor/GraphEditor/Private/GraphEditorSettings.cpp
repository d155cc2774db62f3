#include "GraphEditorSettings.h"

#include <algorithm>

UGraphEditorSettings::UGraphEditorSettings(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, PaddingAbovePin(4.0f)
	, PaddingBelowPin(4.0f)
	, PaddingRightOfInput(10.0f)
	, PaddingLeftOfOutput(10.0f)
	, PaddingTowardsNodeEdge(10.0f)
	, DefaultPinTypeColor(0.75f, 0.6f, 0.4f)
	, ExecutionPinTypeColor(1.0f, 1.0f, 1.0f)
	, BooleanPinTypeColor(0.3f, 0.0f, 0.0f)
	, BytePinTypeColor(0.0f, 0.16f, 0.13127f)
	, ClassPinTypeColor(0.1f, 0.0f, 0.5f)
	, IntPinTypeColor(0.013575f, 0.77f, 0.429609f)
	, Int64PinTypeColor(0.413575f, 0.77f, 0.429609f)
	, FloatPinTypeColor(0.357667f, 1.0f, 0.06f)
	, DoublePinTypeColor(0.039216f, 0.666667f, 0.0f)
	, RealPinTypeColor(0.039216f, 0.666667f, 0.0f)
	, NamePinTypeColor(0.607717f, 0.224984f, 1.0f)
	, ObjectPinTypeColor(0.0f, 0.4f, 0.91f)
	, StringPinTypeColor(1.0f, 0.0f, 0.660537f)
	, TextPinTypeColor(0.8f, 0.2f, 0.4f)
	, StructPinTypeColor(0.0f, 0.1f, 0.6f)
	, WildcardPinTypeColor(0.22f, 0.1958f, 0.1958f)
	, FunctionCallNodeTitleColor(0.190525f, 0.583898f, 1.0f)
	, PureFunctionCallNodeTitleColor(0.4f, 0.85f, 0.35f)
{
}

FMargin UGraphEditorSettings::GetInputPinPadding() const
{
	const float HPad = std::max(PaddingTowardsNodeEdge, 0.0f);
	return FMargin(HPad, PaddingAbovePin, PaddingRightOfInput, PaddingBelowPin);
}

FMargin UGraphEditorSettings::GetOutputPinPadding() const
{
	const float HPad = std::max(PaddingTowardsNodeEdge, 0.0f);
	return FMargin(PaddingLeftOfOutput, PaddingAbovePin, HPad, PaddingBelowPin);
}
