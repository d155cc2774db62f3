#include "K2Node_PromotableOperator.h"

#include "BlueprintTypePromotion.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "Kismet2/CompilerResultsLog.h"
#include "KismetCompiler.h"
#include "ScopedTransaction.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"

#define LOCTEXT_NAMESPACE "PromotableOperatorNode"

namespace PromotableOperatorLiterals
{
	const FName InputPinAName(TEXT("A"));
	const FName InputPinBName(TEXT("B"));
	const FName TolerancePinName(TEXT("ErrorTolerance"));
	const int32 NumFunctionInputs = 2;
}

namespace
{
	bool IsWildcardPin(const UEdGraphPin* Pin)
	{
		return Pin->PinType.PinCategory == UEdGraphSchema_K2::PC_Wildcard;
	}

	bool IsLinkedToWildcard(const UEdGraphPin* Pin)
	{
		return Pin->LinkedTo.ContainsByPredicate([](const UEdGraphPin* Linked) { return IsWildcardPin(Linked); });
	}

	UEdGraphPin* CreateWildcardPin(UEdGraphNode* Node, FName Name, EEdGraphPinDirection Direction)
	{
		return Node->CreatePin(Direction, UEdGraphSchema_K2::PC_Wildcard, Name);
	}

	/** The type of the function's input after A and B (a comparison's tolerance); false when it has none. */
	bool FindTolerancePinType(const UFunction* Function, FEdGraphPinType& OutPinType)
	{
		if (!Function)
		{
			return false;
		}
		int32 NumInputsFound = 0;
		for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
		{
			if (It->HasAnyPropertyFlags(CPF_ReturnParm) || NumInputsFound++ < PromotableOperatorLiterals::NumFunctionInputs)
			{
				continue;
			}
			if (GetDefault<UEdGraphSchema_K2>()->ConvertPropertyToPinType(*It, OutPinType))
			{
				return true;
			}
		}
		return false;
	}

	/** The two inputs, output and tolerance of a call the expansion placed. */
	struct FIntermediatePins
	{
		UEdGraphPin* InputA = nullptr;
		UEdGraphPin* InputB = nullptr;
		UEdGraphPin* OutputPin = nullptr;
		UEdGraphPin* TolerancePin = nullptr;

		explicit FIntermediatePins(UK2Node_CallFunction* Node)
		{
			const UEdGraphPin* const SelfPin = Node->FindPin(UEdGraphSchema_K2::PN_Self);
			TolerancePin = Node->FindPin(PromotableOperatorLiterals::TolerancePinName, EGPD_Input);
			for (UEdGraphPin* Pin : Node->Pins)
			{
				if (Pin == SelfPin || Pin == TolerancePin)
				{
					continue;
				}
				if (Pin->Direction == EGPD_Output)
				{
					OutputPin = Pin;
				}
				else if (!InputA)
				{
					InputA = Pin;
				}
				else if (!InputB)
				{
					InputB = Pin;
				}
			}
		}
	};
}

UK2Node_PromotableOperator::UK2Node_PromotableOperator(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	UpdateOpName();
	NumAdditionalInputs = 0;
}

void UK2Node_PromotableOperator::AllocateDefaultPins()
{
	using namespace PromotableOperatorLiterals;
	CreateWildcardPin(this, InputPinAName, EGPD_Input);
	CreateWildcardPin(this, InputPinBName, EGPD_Input);
	UEdGraphPin* const OutputPin = CreateWildcardPin(this, UEdGraphSchema_K2::PN_ReturnValue, EGPD_Output);

	const UFunction* const Function = GetTargetFunction();
	if (FTypePromotion::IsComparisonFunc(Function))
	{
		OutputPin->PinType.PinCategory = UEdGraphSchema_K2::PC_Boolean;
		FEdGraphPinType ToleranceType;
		if (FindTolerancePinType(Function, ToleranceType))
		{
			CreatePin(EGPD_Input, ToleranceType, TolerancePinName);
		}
	}
	UpdateOpName();

	// Typed afterwards, from the old pins or the links (see ReallocatePinsDuringReconstruction).
	for (int32 Index = NumFunctionInputs; Index < NumAdditionalInputs + NumFunctionInputs; ++Index)
	{
		AddInputPinImpl(Index);
	}
}

void UK2Node_PromotableOperator::PostPasteNode()
{
	Super::PostPasteNode();
	// Added inputs copied without links or values would otherwise keep their old type.
	if (!HasAnyConnectionsOrDefaults())
	{
		ResetNodeToWildcard();
	}
}

void UK2Node_PromotableOperator::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	using namespace PromotableOperatorLiterals;
	Super::ExpandNode(CompilerContext, SourceGraph);
	if (!UpdateOpName())
	{
		CompilerContext.MessageLog.Error(TEXT("Could not find matching operation on '@@'!"), this);
		return;
	}

	UEdGraphPin* const OriginalOutputPin = GetOutputPin();
	const TArray<UEdGraphPin*> OriginalInputPins = GetInputPins();
	const UFunction* const OpFunction = GetTargetFunction();
	UEdGraphPin* const MyTolerancePin = FindTolerancePin();
	// The engine prunes a node whose output nothing reads before it expands anything; the host keeps
	// such a node to evaluate it on request, so it reports the expansion's errors only for a node read.
	const bool bIsRead = OriginalOutputPin && !OriginalOutputPin->LinkedTo.IsEmpty();

	// The first call takes A and B.
	bool bAllPinsExpanded = true;
	UK2Node_CallFunction* PreviousNode = CreateIntermediateNode(OpFunction, CompilerContext, SourceGraph);
	UEdGraphPin* PreviousOutputPin = PreviousNode->FindPin(UEdGraphSchema_K2::PN_ReturnValue, EGPD_Output);
	{
		const FIntermediatePins NewPins(PreviousNode);
		const bool bPinA = CreateIntermediateCast(this, CompilerContext, SourceGraph, OriginalInputPins[0], NewPins.InputA, bIsRead);
		const bool bPinB = CreateIntermediateCast(this, CompilerContext, SourceGraph, OriginalInputPins[1], NewPins.InputB, bIsRead);
		const bool bTolerance = !MyTolerancePin || !NewPins.TolerancePin || CreateIntermediateCast(this, CompilerContext, SourceGraph, MyTolerancePin, NewPins.TolerancePin, bIsRead);
		bAllPinsExpanded = bPinA && bPinB && bTolerance;
		if (bIsRead && !bAllPinsExpanded)
		{
			CompilerContext.MessageLog.Error(TEXT("'@@' could not successfuly expand pins!"), PreviousNode);
		}
	}

	// Each added input takes the result so far and one more input. The engine looks for the best
	// function for each of these calls; with the node's output of the function's type, as a typed
	// node's is, that is the node's own function.
	for (int32 Index = NumFunctionInputs; Index < NumAdditionalInputs + NumFunctionInputs; ++Index)
	{
		check(Index < OriginalInputPins.Num());
		UK2Node_CallFunction* const NewNode = CreateIntermediateNode(OpFunction, CompilerContext, SourceGraph);
		const FIntermediatePins NewPins(NewNode);
		const bool bPinA = CreateIntermediateCast(PreviousNode, CompilerContext, SourceGraph, NewPins.InputA, PreviousOutputPin, bIsRead);
		const bool bPinB = CreateIntermediateCast(this, CompilerContext, SourceGraph, OriginalInputPins[Index], NewPins.InputB, bIsRead);
		const bool bTolerance = !MyTolerancePin || !NewPins.TolerancePin || CreateIntermediateCast(this, CompilerContext, SourceGraph, MyTolerancePin, NewPins.TolerancePin, bIsRead);
		bAllPinsExpanded &= bPinA && bPinB && bTolerance;
		if (bIsRead && !(bPinA && bPinB && bTolerance))
		{
			CompilerContext.MessageLog.Error(TEXT("'@@' could not successfuly expand additional pins!"), PreviousNode);
		}
		PreviousOutputPin = NewPins.OutputPin;
		PreviousNode = NewNode;
	}

	// An unread node whose inputs could not be converted (a wildcard one) gives no value at all.
	if (OriginalOutputPin && PreviousOutputPin && (bIsRead || bAllPinsExpanded))
	{
		CompilerContext.MovePinLinksToIntermediate(*OriginalOutputPin, *PreviousOutputPin);
		// No link made it across: the output is read by a pin of a type the result cannot become.
		if (bIsRead && PreviousOutputPin->LinkedTo.IsEmpty())
		{
			CompilerContext.MessageLog.Error(*FString::Printf(TEXT("Output pin type '%s' is not compatible with input type of '%s' on '@@'"), *UEdGraphSchema_K2::TypeToText(OriginalOutputPin->PinType).ToString(), *UEdGraphSchema_K2::TypeToText(PreviousOutputPin->PinType).ToString()), PreviousNode);
		}
	}
	// The calls took the node's place; its input links, kept where a conversion reads their source, go too.
	BreakAllNodeLinks();
}

void UK2Node_PromotableOperator::PostReconstructNode()
{
	Super::PostReconstructNode();
	UEdGraphPin* const TolerancePin = FindTolerancePin();
	if (!HasAnyConnectionsOrDefaults())
	{
		if (TolerancePin)
		{
			TolerancePin->bHidden = true;
		}
		return;
	}
	if (TolerancePin)
	{
		FEdGraphPinType ToleranceType;
		TolerancePin->bHidden = !FindTolerancePinType(GetTargetFunction(), ToleranceType);
	}
	// The new pins are wildcards until typed from the function again.
	UpdatePinsFromFunction(GetTargetFunction());
	for (UEdGraphPin* Pin : Pins)
	{
		if (IsAdditionalPin(*Pin) && !Pin->LinkedTo.IsEmpty())
		{
			Pin->PinType = FTypePromotion::GetPromotedType(Pin->LinkedTo);
		}
	}
}

void UK2Node_PromotableOperator::ReallocatePinsDuringReconstruction(TArray<UEdGraphPin*>& OldPins)
{
	using namespace PromotableOperatorLiterals;
	Super::ReallocatePinsDuringReconstruction(OldPins);
	int32 NumAdditionalPinsFixed = 0;
	for (const UEdGraphPin* OldPin : OldPins)
	{
		if (IsAdditionalPin(*OldPin))
		{
			if (UEdGraphPin* const AddedPin = GetAdditionalPin(NumAdditionalPinsFixed + NumFunctionInputs))
			{
				AddedPin->PinType = OldPin->PinType;
				AddedPin->DefaultValue = OldPin->DefaultValue;
				++NumAdditionalPinsFixed;
			}
		}
		UEdGraphPin* const CurrentPin = FindPin(OldPin->PinName, OldPin->Direction);
		if (CurrentPin && OldPin->LinkedTo.IsEmpty() && !OldPin->DoesDefaultValueMatchAutogenerated())
		{
			CurrentPin->PinType = OldPin->PinType;
			CurrentPin->DefaultValue = OldPin->DefaultValue;
		}
	}
}

void UK2Node_PromotableOperator::AddInputPin()
{
	if (CanAddPin())
	{
		FScopedTransaction Transaction(LOCTEXT("AddPinPromotableOperator", "AddPin"));
		Modify();
		AddInputPinImpl(PromotableOperatorLiterals::NumFunctionInputs + NumAdditionalInputs);
		++NumAdditionalInputs;
		FBlueprintEditorUtils::MarkBlueprintAsStructurallyModified(GetBlueprint());
	}
}

bool UK2Node_PromotableOperator::CanAddPin() const
{
	return NumAdditionalInputs + PromotableOperatorLiterals::NumFunctionInputs < GetMaxInputPinsNum() && !FTypePromotion::IsComparisonFunc(GetTargetFunction());
}

void UK2Node_PromotableOperator::SetFromFunction(const UFunction* Function)
{
	if (Function)
	{
		OperationName = FTypePromotion::GetOpNameFromFunction(Function);
	}
	Super::SetFromFunction(Function);
}

UEdGraphPin* UK2Node_PromotableOperator::GetAdditionalPin(int32 PinIndex) const
{
	const FName PinName = GetNameForAdditionalPin(PinIndex);
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin->PinName == PinName)
		{
			return Pin;
		}
	}
	return nullptr;
}

UEdGraphPin* UK2Node_PromotableOperator::FindTolerancePin() const
{
	return FindPin(PromotableOperatorLiterals::TolerancePinName, EGPD_Input);
}

void UK2Node_PromotableOperator::ResetNodeToWildcard()
{
	const UEdGraphSchema* const Schema = GetSchema();
	for (UEdGraphPin* Pin : Pins)
	{
		if (!Pin->ParentPin)
		{
			Pin->PinType = FEdGraphPinType();
			Pin->PinType.PinCategory = UEdGraphSchema_K2::PC_Wildcard;
			Schema->ResetPinToAutogeneratedDefaultValue(Pin);
		}
	}
	if (FTypePromotion::IsComparisonFunc(GetTargetFunction()))
	{
		if (UEdGraphPin* const OutputPin = GetOutputPin())
		{
			OutputPin->PinType.PinCategory = UEdGraphSchema_K2::PC_Boolean;
		}
		if (UEdGraphPin* const TolerancePin = FindTolerancePin())
		{
			TolerancePin->bHidden = true;
		}
	}
}

UEdGraphPin* UK2Node_PromotableOperator::GetOutputPin() const
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

UEdGraphPin* UK2Node_PromotableOperator::AddInputPinImpl(int32 PinIndex)
{
	UEdGraphPin* const NewPin = CreateWildcardPin(this, GetNameForAdditionalPin(PinIndex), EGPD_Input);
	NewPin->PinType = FTypePromotion::GetPromotedType(GetInputPins(true));
	return NewPin;
}

bool UK2Node_PromotableOperator::IsAdditionalPin(const UEdGraphPin& Pin) const
{
	using namespace PromotableOperatorLiterals;
	const bool bIsPinA = Pin.PinName == InputPinAName || (Pin.ParentPin && Pin.ParentPin->PinName == InputPinAName);
	const bool bIsPinB = Pin.PinName == InputPinBName || (Pin.ParentPin && Pin.ParentPin->PinName == InputPinBName);
	return Pin.Direction == EGPD_Input && !bIsPinA && !bIsPinB && !IsTolerancePin(Pin);
}

bool UK2Node_PromotableOperator::IsTolerancePin(const UEdGraphPin& Pin) const
{
	return Pin.PinName == PromotableOperatorLiterals::TolerancePinName && Pin.Direction == EGPD_Input;
}

bool UK2Node_PromotableOperator::HasAnyConnectionsOrDefaults() const
{
	// A comparison's output is a bool whatever its inputs, so it does not count.
	const bool bIsComparison = FTypePromotion::IsComparisonOpName(OperationName);
	for (const UEdGraphPin* Pin : Pins)
	{
		if ((!bIsComparison || Pin->Direction == EGPD_Input) && (!Pin->LinkedTo.IsEmpty() || !Pin->DoesDefaultValueMatchAutogenerated()))
		{
			return true;
		}
	}
	return false;
}

bool UK2Node_PromotableOperator::UpdateOpName()
{
	// Without a function (while the node is built) the name it had stays.
	if (const UFunction* const Function = GetTargetFunction())
	{
		OperationName = FTypePromotion::GetOpNameFromFunction(Function);
		return true;
	}
	return false;
}

void UK2Node_PromotableOperator::UpdatePinsFromFunction(const UFunction* Function)
{
	if (!Function)
	{
		return;
	}
	const UEdGraphSchema_K2* const Schema = GetDefault<UEdGraphSchema_K2>();
	FEdGraphPinType FunctionReturnType;
	FEdGraphPinType HighestFunctionInputType;
	TArray<FEdGraphPinType> FunctionInputTypes;
	for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
	{
		FEdGraphPinType ParameterType;
		if (!Schema->ConvertPropertyToPinType(*It, ParameterType))
		{
			continue;
		}
		if (It->HasAnyPropertyFlags(CPF_ReturnParm))
		{
			FunctionReturnType = ParameterType;
			continue;
		}
		if (FTypePromotion::GetHigherType(HighestFunctionInputType, ParameterType) == FTypePromotion::ETypeComparisonResult::TypeBHigher)
		{
			HighestFunctionInputType = ParameterType;
		}
		FunctionInputTypes.Add(ParameterType);
	}

	// A pin with a link or a value of its own keeps the lower type it has when that promotes to the
	// parameter's; a link that cannot be promoted is broken.
	const auto ConformPin = [](const FEdGraphPinType& FunctionPinType, UEdGraphPin* NodePin)
	{
		if (!NodePin || IsLinkedToWildcard(NodePin))
		{
			return;
		}
		FEdGraphPinType ConformingType = FunctionPinType;
		const FEdGraphPinType HighestLinkedType = NodePin->LinkedTo.IsEmpty() ? NodePin->PinType : FTypePromotion::GetPromotedType(NodePin->LinkedTo);
		const bool bHasDeterminingType = !NodePin->LinkedTo.IsEmpty() || !NodePin->DoesDefaultValueMatchAutogenerated();
		if (bHasDeterminingType && HighestLinkedType.PinCategory != FunctionPinType.PinCategory)
		{
			NodePin->PinType = FunctionPinType;
			if (FTypePromotion::IsValidPromotion(HighestLinkedType, FunctionPinType))
			{
				ConformingType = HighestLinkedType;
			}
			else
			{
				NodePin->BreakAllPinLinks();
			}
		}
		NodePin->PinType = ConformingType;
	};

	if (FTypePromotion::IsComparisonFunc(Function))
	{
		FEdGraphPinType ToleranceType;
		const bool bHasTolerance = FindTolerancePinType(Function, ToleranceType);
		UEdGraphPin* TolerancePin = FindTolerancePin();
		if (!TolerancePin)
		{
			TolerancePin = CreatePin(EGPD_Input, ToleranceType, PromotableOperatorLiterals::TolerancePinName);
		}
		TolerancePin->bHidden = !bHasTolerance;
	}

	int32 InputIndex = 0;
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin->ParentPin)
		{
			continue;
		}
		if (IsAdditionalPin(*Pin))
		{
			ConformPin(HighestFunctionInputType, Pin);
		}
		else if (Pin->Direction == EGPD_Output)
		{
			ConformPin(FunctionReturnType, Pin);
		}
		else if (IsTolerancePin(*Pin))
		{
			FEdGraphPinType ToleranceType;
			FindTolerancePinType(Function, ToleranceType);
			ConformPin(ToleranceType, Pin);
		}
		else if (FunctionInputTypes.IsValidIndex(InputIndex))
		{
			ConformPin(FunctionInputTypes[InputIndex++], Pin);
		}
	}
	SetFromFunction(Function);
}

TArray<UEdGraphPin*> UK2Node_PromotableOperator::GetInputPins(bool bIncludeLinks) const
{
	TArray<UEdGraphPin*> InputPins;
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin->Direction == EGPD_Input && !Pin->ParentPin)
		{
			InputPins.Add(Pin);
			if (bIncludeLinks)
			{
				InputPins.Append(Pin->LinkedTo);
			}
		}
	}
	return InputPins;
}

UK2Node_CallFunction* UK2Node_PromotableOperator::CreateIntermediateNode(const UFunction* OpFunction, FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	UK2Node_CallFunction* const Operator = CompilerContext.SpawnIntermediateNode<UK2Node_CallFunction>(this, SourceGraph);
	Operator->SetFromFunction(OpFunction);
	Operator->AllocateDefaultPins();
	return Operator;
}

bool UK2Node_PromotableOperator::CreateIntermediateCast(UK2Node_CallFunction* SourceNode, FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph, UEdGraphPin* InputPin, UEdGraphPin* OutputPin, bool bReportErrors)
{
	check(InputPin && OutputPin);
	const UEdGraphSchema_K2* const Schema = CompilerContext.GetSchema();
	const bool bBothReal = InputPin->PinType.PinCategory == UEdGraphSchema_K2::PC_Real && OutputPin->PinType.PinCategory == UEdGraphSchema_K2::PC_Real;
	if (InputPin->PinType == OutputPin->PinType || bBothReal)
	{
		// This node's own pin hands over its links and value; two placed calls are linked.
		if (SourceNode == this)
		{
			return !CompilerContext.MovePinLinksToIntermediate(*InputPin, *OutputPin).IsFatal();
		}
		return Schema->TryCreateConnection(InputPin, OutputPin);
	}

	const TOptional<UEdGraphSchema_K2::FSearchForAutocastFunctionResults> Autocast = Schema->SearchForAutocastFunction(InputPin->PinType, OutputPin->PinType);
	if (!Autocast.IsSet())
	{
		// The engine also tries its special conversion nodes (enums and the like), none of which the host has.
		if (bReportErrors)
		{
			CompilerContext.MessageLog.Error(*FString::Printf(TEXT("Cannot find appropriate promotion from '%s' to '%s' on '@@'"), *UEdGraphSchema_K2::TypeToText(InputPin->PinType).ToString(), *UEdGraphSchema_K2::TypeToText(OutputPin->PinType).ToString()), SourceNode);
		}
		return false;
	}
	UK2Node_CallFunction* const Conversion = CompilerContext.SpawnIntermediateNode<UK2Node_CallFunction>(this, SourceGraph);
	Conversion->FunctionReference.SetExternalMember(Autocast->TargetFunction, Autocast->FunctionOwner);
	Conversion->AllocateDefaultPins();
	UEdGraphPin* ConversionInput = nullptr;
	UEdGraphPin* const ConversionOutput = Conversion->GetReturnValuePin();
	for (UEdGraphPin* Pin : Conversion->Pins)
	{
		if (Pin->Direction == EGPD_Input && Pin->PinName != UEdGraphSchema_K2::PN_Self)
		{
			ConversionInput = Pin;
			break;
		}
	}
	check(ConversionInput && ConversionOutput);

	// A linked input feeds the conversion from its source; an unlinked one gives it its value.
	const bool bInputDone = !InputPin->LinkedTo.IsEmpty()
		? Schema->TryCreateConnection(InputPin->LinkedTo[0], ConversionInput)
		: !CompilerContext.MovePinLinksToIntermediate(*InputPin, *ConversionInput).IsFatal();
	const bool bOutputDone = Schema->TryCreateConnection(ConversionOutput, OutputPin);
	return bInputDone && bOutputDone;
}

#undef LOCTEXT_NAMESPACE
