#include "K2Node_CommutativeAssociativeBinaryOperator.h"

#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "Kismet2/CompilerResultsLog.h"
#include "KismetCompiler.h"
#include "ScopedTransaction.h"

#define LOCTEXT_NAMESPACE "CommutativeAssociativeBinaryOperatorNode"

UK2Node_CommutativeAssociativeBinaryOperator::UK2Node_CommutativeAssociativeBinaryOperator(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	NumAdditionalInputs = 0;
}

void UK2Node_CommutativeAssociativeBinaryOperator::AllocateDefaultPins()
{
	Super::AllocateDefaultPins();
	for (int32 Index = 0; Index < NumAdditionalInputs; ++Index)
	{
		AddInputPinInner(Index);
	}
}

void UK2Node_CommutativeAssociativeBinaryOperator::ValidateNodeDuringCompilation(FCompilerResultsLog& MessageLog) const
{
	Super::ValidateNodeDuringCompilation(MessageLog);
	const UFunction* const Function = GetTargetFunction();
	if (!Function)
	{
		return;
	}
	if (!Function->HasAnyFunctionFlags(FUNC_BlueprintPure))
	{
		MessageLog.Error(*LOCTEXT("MustBePure", "@@ - Commutative associative binary operators must be pure functions.").ToString(), this);
		return;
	}
	const UEdGraphPin* const SelfPin = FindSelfPin();
	const FEdGraphPinType InputType = GetType();
	int32 NumOutputPins = 0;
	bool bConsistentPinType = true;
	for (const UEdGraphPin* Pin : Pins)
	{
		if (Pin->Direction == EGPD_Output)
		{
			++NumOutputPins;
		}
		else if (Pin != SelfPin && Pin->PinType != InputType)
		{
			bConsistentPinType = false;
		}
	}
	if (NumOutputPins != 1)
	{
		MessageLog.Error(*LOCTEXT("InvalidOutPin", "@@ - Commutative associative binary operators must have a single output pin.").ToString(), this);
	}
	if (!bConsistentPinType)
	{
		MessageLog.Error(*LOCTEXT("InconsistentType", "@@ - Commutative associative binary operator inputs must all be of the same type.").ToString(), this);
	}
}

void UK2Node_CommutativeAssociativeBinaryOperator::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	Super::ExpandNode(CompilerContext, SourceGraph);
	if (NumAdditionalInputs <= 0)
	{
		// Two inputs compile as the plain call this node is.
		return;
	}

	const UFunction* const Function = GetTargetFunction();
	const UEdGraphPin* const OutPin = FindOutPin();
	const UEdGraphPin* const SelfPin = FindSelfPin();
	UEdGraphPin* const FirstInput = GetInputPin(0);
	check(FirstInput);

	// One two-input call per input after A, each taking the result of the one before.
	UEdGraphPin* LastOutPin = nullptr;
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin == FirstInput || Pin == OutPin || Pin == SelfPin)
		{
			continue;
		}
		UK2Node_CommutativeAssociativeBinaryOperator* const Operator = CompilerContext.SpawnIntermediateNode<UK2Node_CommutativeAssociativeBinaryOperator>(this, SourceGraph);
		Operator->SetFromFunction(Function);
		Operator->AllocateDefaultPins();

		UEdGraphPin* const OperatorInputA = Operator->GetInputPin(0);
		check(OperatorInputA);
		if (LastOutPin)
		{
			CompilerContext.GetSchema()->TryCreateConnection(LastOutPin, OperatorInputA);
		}
		else
		{
			CompilerContext.MovePinLinksToIntermediate(*FirstInput, *OperatorInputA);
		}
		UEdGraphPin* const OperatorInputB = Operator->GetInputPin(1);
		check(OperatorInputB);
		CompilerContext.MovePinLinksToIntermediate(*Pin, *OperatorInputB);
		LastOutPin = Operator->FindOutPin();
	}
	check(LastOutPin);
	UEdGraphPin* const TrueOutPin = FindOutPin();
	check(TrueOutPin);
	CompilerContext.MovePinLinksToIntermediate(*TrueOutPin, *LastOutPin);
	BreakAllNodeLinks();
}

void UK2Node_CommutativeAssociativeBinaryOperator::AddInputPin()
{
	if (CanAddPin())
	{
		FScopedTransaction Transaction(LOCTEXT("AddPinTx", "AddPin"));
		Modify();
		AddInputPinInner(NumAdditionalInputs);
		++NumAdditionalInputs;
		FBlueprintEditorUtils::MarkBlueprintAsStructurallyModified(GetBlueprint());
	}
}

bool UK2Node_CommutativeAssociativeBinaryOperator::CanAddPin() const
{
	return NumAdditionalInputs + BinaryOperatorInputsNum < GetMaxInputPinsNum();
}

UEdGraphPin* UK2Node_CommutativeAssociativeBinaryOperator::FindOutPin() const
{
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin->Direction == EGPD_Output)
		{
			return Pin;
		}
	}
	return nullptr;
}

UEdGraphPin* UK2Node_CommutativeAssociativeBinaryOperator::FindSelfPin() const
{
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin->PinName == UEdGraphSchema_K2::PN_Self)
		{
			return Pin;
		}
	}
	return nullptr;
}

UEdGraphPin* UK2Node_CommutativeAssociativeBinaryOperator::GetInputPin(int32 InputPinIndex)
{
	const UEdGraphPin* const OutPin = FindOutPin();
	const UEdGraphPin* const SelfPin = FindSelfPin();
	int32 InputIndex = 0;
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin != OutPin && Pin != SelfPin)
		{
			if (InputIndex == InputPinIndex)
			{
				return Pin;
			}
			++InputIndex;
		}
	}
	return nullptr;
}

FEdGraphPinType UK2Node_CommutativeAssociativeBinaryOperator::GetType() const
{
	const UEdGraphPin* const SelfPin = FindSelfPin();
	for (const UEdGraphPin* Pin : Pins)
	{
		if (Pin != SelfPin)
		{
			return Pin->PinType;
		}
	}
	return FEdGraphPinType();
}

void UK2Node_CommutativeAssociativeBinaryOperator::AddInputPinInner(int32 AdditionalPinIndex)
{
	const FEdGraphPinType InputType = GetType();
	FCreatePinParams PinParams;
	PinParams.ContainerType = InputType.ContainerType;
	PinParams.bIsReference = InputType.bIsReference;
	PinParams.ValueTerminalType = InputType.PinValueType;
	CreatePin(EGPD_Input, InputType.PinCategory, InputType.PinSubCategory, InputType.PinSubCategoryObject.Get(), GetNameForAdditionalPin(AdditionalPinIndex + BinaryOperatorInputsNum), PinParams);
}

#undef LOCTEXT_NAMESPACE
