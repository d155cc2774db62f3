#include "HostGraphEvaluator.h"

#include "EdGraphSchema_K2.h"
#include "K2Node_CallArrayFunction.h"
#include "K2Node_CallFunction.h"
#include "K2Node_CastByteToEnum.h"
#include "K2Node_FormatText.h"
#include "K2Node_FunctionEntry.h"
#include "K2Node_FunctionResult.h"
#include "K2Node_GetArrayItem.h"
#include "K2Node_HostValueSource.h"
#include "K2Node_Knot.h"
#include "K2Node_MakeArray.h"
#include "K2Node_MakeMap.h"
#include "K2Node_Select.h"
#include "Kismet/KismetTextLibrary.h"
#include "KismetCompiler.h"
#include "Templates/Casts.h"
#include "UObject/PropertyValueOps.h"

#include <algorithm>

namespace
{
	template <typename T>
	struct TTypeTag
	{
		typedef T Type;
	};

	template <typename T>
	struct TScalarProperty;
	template <>
	struct TScalarProperty<bool>
	{
		typedef FBoolProperty Type;
	};
	template <>
	struct TScalarProperty<uint8>
	{
		typedef FByteProperty Type;
	};
	template <>
	struct TScalarProperty<int32>
	{
		typedef FIntProperty Type;
	};
	template <>
	struct TScalarProperty<int64>
	{
		typedef FInt64Property Type;
	};
	template <>
	struct TScalarProperty<float>
	{
		typedef FFloatProperty Type;
	};
	template <>
	struct TScalarProperty<double>
	{
		typedef FDoubleProperty Type;
	};
	template <>
	struct TScalarProperty<FName>
	{
		typedef FNameProperty Type;
	};
	template <>
	struct TScalarProperty<FString>
	{
		typedef FStrProperty Type;
	};
	template <>
	struct TScalarProperty<FText>
	{
		typedef FTextProperty Type;
	};

	template <typename T>
	FProperty* NewScalarProperty(FName Name)
	{
		return new typename TScalarProperty<T>::Type(nullptr, Name, CPF_None, 0, GetPropertyValueOps<T>());
	}

	/** Calls Visitor with a TTypeTag of the C++ type that holds one value of the category. */
	template <typename VisitorType>
	bool VisitValueType(FName Category, FName SubCategory, VisitorType&& Visitor)
	{
		if (Category == UEdGraphSchema_K2::PC_Boolean)
		{
			Visitor(TTypeTag<bool>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Byte)
		{
			Visitor(TTypeTag<uint8>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Int)
		{
			Visitor(TTypeTag<int32>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Int64)
		{
			Visitor(TTypeTag<int64>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Real && SubCategory == UEdGraphSchema_K2::PC_Float)
		{
			Visitor(TTypeTag<float>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Real)
		{
			Visitor(TTypeTag<double>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Name)
		{
			Visitor(TTypeTag<FName>());
		}
		else if (Category == UEdGraphSchema_K2::PC_String)
		{
			Visitor(TTypeTag<FString>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Text)
		{
			Visitor(TTypeTag<FText>());
		}
		else
		{
			return false;
		}
		return true;
	}

	/** As VisitValueType, for the types a map key can have. */
	template <typename VisitorType>
	bool VisitKeyType(FName Category, VisitorType&& Visitor)
	{
		if (Category == UEdGraphSchema_K2::PC_Int)
		{
			Visitor(TTypeTag<int32>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Name)
		{
			Visitor(TTypeTag<FName>());
		}
		else if (Category == UEdGraphSchema_K2::PC_String)
		{
			Visitor(TTypeTag<FString>());
		}
		else
		{
			return false;
		}
		return true;
	}

	FProperty* NewPinTypeProperty(const FEdGraphPinType& PinType)
	{
		const FName Name(TEXT("PinValue"));
		FProperty* Result = nullptr;
		switch (PinType.ContainerType)
		{
		case EPinContainerType::None:
			VisitValueType(PinType.PinCategory, PinType.PinSubCategory, [&](auto Tag)
			{
				Result = NewScalarProperty<typename decltype(Tag)::Type>(Name);
			});
			break;
		case EPinContainerType::Array:
			VisitValueType(PinType.PinCategory, PinType.PinSubCategory, [&](auto Tag)
			{
				typedef typename decltype(Tag)::Type ElementType;
				Result = new FArrayProperty(nullptr, Name, CPF_None, 0, GetPropertyValueOps<TArray<ElementType>>(), NewScalarProperty<ElementType>(Name));
			});
			break;
		case EPinContainerType::Map:
			VisitKeyType(PinType.PinCategory, [&](auto KeyTag)
			{
				typedef typename decltype(KeyTag)::Type KeyType;
				VisitValueType(PinType.PinValueType.TerminalCategory, PinType.PinValueType.TerminalSubCategory, [&](auto ValueTag)
				{
					typedef typename decltype(ValueTag)::Type ValueType;
					Result = new FMapProperty(nullptr, Name, CPF_None, 0, GetPropertyValueOps<TMap<KeyType, ValueType>>(), NewScalarProperty<KeyType>(Name), NewScalarProperty<ValueType>(Name));
				});
			});
			break;
		default:
			break;
		}
		return Result;
	}

	/**
	 * A property describing values of the pin type, made once per type and kept for the life of
	 * the process (values made with it may outlive any evaluator); null for types the evaluator
	 * cannot hold (wildcards, objects, structs, sets).
	 */
	const FProperty* FindPinTypeProperty(const FEdGraphPinType& PinType)
	{
		static TMap<FString, FProperty*>* const Properties = new TMap<FString, FProperty*>();
		const FString Key = FString::Printf(TEXT("%s/%s/%d/%s/%s"), *PinType.PinCategory.ToString(), *PinType.PinSubCategory.ToString(), (int32)PinType.ContainerType, *PinType.PinValueType.TerminalCategory.ToString(), *PinType.PinValueType.TerminalSubCategory.ToString());
		if (FProperty* const* Found = Properties->Find(Key))
		{
			return *Found;
		}
		FProperty* const Property = NewPinTypeProperty(PinType);
		if (Property)
		{
			Properties->Add(Key, Property);
		}
		return Property;
	}

	/** Sets a value from its pin-default text: strings as written, "true"/"false", numbers, enumerator names. */
	void ImportDefaultText(const FString& Text, const FProperty* Property, void* Dest)
	{
		if (Property->IsA<FStrProperty>())
		{
			*static_cast<FString*>(Dest) = Text;
		}
		else if (Property->IsA<FNameProperty>())
		{
			*static_cast<FName*>(Dest) = Text.IsEmpty() ? FName() : FName(*Text);
		}
		else if (Property->IsA<FTextProperty>())
		{
			*static_cast<FText*>(Dest) = FText::FromString(Text);
		}
		else if (const FBoolProperty* const BoolProperty = CastField<FBoolProperty>(Property))
		{
			BoolProperty->SetPropertyValue(Dest, Text.ToBool());
		}
		else if (const FNumericProperty* const NumericProperty = CastField<FNumericProperty>(Property))
		{
			const UEnum* const Enum = NumericProperty->GetIntPropertyEnum();
			if (Enum && !Text.IsNumeric())
			{
				NumericProperty->SetIntPropertyValue(Dest, Enum->GetValueByName(FName(*Text)));
			}
			else if (NumericProperty->IsFloatingPoint())
			{
				NumericProperty->SetFloatingPointPropertyValue(Dest, FCString::Atod(*Text));
			}
			else
			{
				NumericProperty->SetIntPropertyValue(Dest, FCString::Atoi64(*Text));
			}
		}
		else if (const FEnumProperty* const EnumProperty = CastField<FEnumProperty>(Property))
		{
			const int64 Value = Text.IsNumeric() ? FCString::Atoi64(*Text) : EnumProperty->GetEnum()->GetValueByName(FName(*Text));
			EnumProperty->GetUnderlyingProperty()->SetIntPropertyValue(Dest, Value);
		}
		else if (!Text.IsEmpty() && Property->IsA<FStructProperty>())
		{
			Property->ImportText_Direct(*Text, Dest, nullptr, PPF_None);
		}
	}

	/** The value an unlinked input carries: its default object, default text or default value. */
	void ImportPinDefault(const UEdGraphPin& Pin, const FProperty* Property, void* Dest)
	{
		if (const FObjectPropertyBase* const ObjectProperty = CastField<FObjectPropertyBase>(Property))
		{
			ObjectProperty->SetObjectPropertyValue(Dest, Pin.DefaultObject.Get());
		}
		else if (Property->IsA<FTextProperty>() && !Pin.DefaultTextValue.IsEmpty())
		{
			*static_cast<FText*>(Dest) = Pin.DefaultTextValue;
		}
		else
		{
			ImportDefaultText(Pin.DefaultValue, Property, Dest);
		}
	}

	/** Copies a value between properties of one C++ type, or between two numeric types. */
	bool CopyValue(const FProperty* SourceProperty, const void* Source, const FProperty* DestProperty, void* Dest)
	{
		if (SourceProperty->GetCPPType() == DestProperty->GetCPPType())
		{
			DestProperty->CopyCompleteValue(Dest, Source);
			return true;
		}
		const FNumericProperty* const NumericSource = CastField<FNumericProperty>(SourceProperty);
		const FNumericProperty* const NumericDest = CastField<FNumericProperty>(DestProperty);
		if (!NumericSource || !NumericDest)
		{
			return false;
		}
		if (NumericDest->IsFloatingPoint())
		{
			NumericDest->SetFloatingPointPropertyValue(Dest, NumericSource->IsFloatingPoint() ? NumericSource->GetFloatingPointPropertyValue(Source) : (double)NumericSource->GetSignedIntPropertyValue(Source));
		}
		else
		{
			NumericDest->SetIntPropertyValue(Dest, NumericSource->IsFloatingPoint() ? (int64)NumericSource->GetFloatingPointPropertyValue(Source) : NumericSource->GetSignedIntPropertyValue(Source));
		}
		return true;
	}

	/** Exchanges two values of one type whose storage may be moved bytewise, as the engine's containers may. */
	void SwapBytes(void* First, void* Second, int32 Size)
	{
		std::swap_ranges(static_cast<uint8*>(First), static_cast<uint8*>(First) + Size, static_cast<uint8*>(Second));
	}

	FString DescribePin(const UEdGraphPin* Pin)
	{
		return FString::Printf(TEXT("\"%s\" of %s"), *Pin->GetName(), *Pin->GetOwningNode()->GetNodeTitle(ENodeTitleType::ListView).ToString());
	}

	/** The property that holds values of the pin's type, or null with the reason in OutError. */
	const FProperty* FindPinProperty(const UEdGraphPin* Pin, FString& OutError)
	{
		const FProperty* const Property = FindPinTypeProperty(Pin->PinType);
		if (!Property)
		{
			OutError = FString::Printf(TEXT("The pin %s has a type the evaluator cannot hold (%s)"), *DescribePin(Pin), *UEdGraphSchema_K2::TypeToText(Pin->PinType).ToString());
		}
		return Property;
	}

	/** The parameter buffer of one call, laid out as the function's parameters. */
	class FParameterBuffer
	{
	public:
		explicit FParameterBuffer(const UFunction* InFunction)
			: Function(InFunction)
		{
			Memory.SetNumZeroed(std::max<int32>(Function->ParmsSize, 1));
			for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
			{
				It->InitializeValue_InContainer(Memory.GetData());
			}
		}

		~FParameterBuffer()
		{
			for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
			{
				It->DestroyValue_InContainer(Memory.GetData());
			}
		}

		uint8* GetData() { return Memory.GetData(); }

	private:
		const UFunction* Function;
		TArray<uint8> Memory;
	};
}

FHostPinValue::FHostPinValue(const FProperty* InProperty)
	: Property(InProperty)
{
	check(Property);
	Storage.SetNumZeroed(std::max<int32>(Property->GetSize(), 1));
	Property->InitializeValue(Storage.GetData());
}

FHostPinValue::~FHostPinValue()
{
	Property->DestroyValue(Storage.GetData());
}

FString FHostPinValue::ExportText() const
{
	FString Text;
	Property->ExportTextItem_Direct(Text, GetData(), nullptr, nullptr, PPF_None);
	return Text;
}

FHostGraphEvaluator::FHostGraphEvaluator(const FKismetCompilerContext& InCompiler)
{
	check(InCompiler.ConsolidatedEventGraph);
	CompiledGraphs.Add(InCompiler.ConsolidatedEventGraph);
	for (const FKismetFunctionContext& Function : InCompiler.FunctionList)
	{
		CompiledGraphs.Add(Function.SourceGraph);
	}
	for (const UEdGraph* Graph : CompiledGraphs)
	{
		for (const UEdGraphNode* Node : Graph->Nodes)
		{
			for (const UEdGraphPin* Pin : Node->Pins)
			{
				const UEdGraphPin* const Source = InCompiler.MessageLog.FindSourcePin(Pin);
				if (Source != Pin && !CompiledPins.Contains(Source))
				{
					CompiledPins.Add(Source, Pin);
				}
			}
		}
	}
}

FHostGraphEvaluator::FHostGraphEvaluator(const UEdGraph* InCompiledGraph)
{
	check(InCompiledGraph);
	CompiledGraphs.Add(InCompiledGraph);
}

bool FHostGraphEvaluator::CallFunction(const UFunction* Function, void* Parms, FString& OutError)
{
	TArray<UK2Node_FunctionEntry*> Entries;
	CompiledGraphs[0]->GetNodesOfClass(Entries);
	if (Entries.IsEmpty())
	{
		OutError = FString::Printf(TEXT("The graph of %s has no function entry"), *Function->GetName());
		return false;
	}
	const UK2Node_FunctionEntry* const Entry = Entries[0];
	for (const UEdGraphPin* Pin : Entry->Pins)
	{
		const FProperty* const Property = Pin->Direction == EGPD_Output ? Function->FindPropertyByName(Pin->PinName) : nullptr;
		if (Property && Property->HasAnyPropertyFlags(CPF_Parm))
		{
			const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(Property);
			Property->CopyCompleteValue(Value->GetData(), Property->ContainerPtrToValuePtr(Parms));
			OutputValues.Add(Pin, Value);
		}
	}
	// The entry's outputs are the caller's arguments: it has run.
	NodeStates.Add(Entry, true);

	const UEdGraphPin* const Then = Entry->FindPin(UEdGraphSchema_K2::PN_Then, EGPD_Output);
	if (!Then || Then->LinkedTo.IsEmpty())
	{
		return true;
	}
	const UEdGraphNode* const Next = Then->LinkedTo[0]->GetOwningNode();
	const UK2Node_FunctionResult* const Result = Cast<UK2Node_FunctionResult>(Next);
	if (!Result)
	{
		OutError = FString::Printf(TEXT("The evaluator runs only pure nodes, but %s runs %s"), *Function->GetName(), *Next->GetNodeTitle(ENodeTitleType::ListView).ToString());
		return false;
	}
	// The return node assigns every output, an unlinked one its pin's value.
	for (const UEdGraphPin* Pin : Result->Pins)
	{
		const FProperty* const Property = Pin->Direction == EGPD_Input ? Function->FindPropertyByName(Pin->PinName) : nullptr;
		if (!Property || !Property->HasAnyPropertyFlags(CPF_OutParm))
		{
			continue;
		}
		void* const Slot = Property->ContainerPtrToValuePtr(Parms);
		Property->ClearValue(Slot);
		if (!EvaluateInput(Pin, Property, Slot, OutError))
		{
			return false;
		}
	}
	return true;
}

TSharedPtr<const FHostPinValue> FHostGraphEvaluator::EvaluatePin(const UEdGraphPin* Pin, FString& OutError)
{
	check(Pin);
	// The compiler drops reroute knots: a knot's pin carries what the pin feeding its input gives.
	while (const UK2Node_Knot* const Knot = Cast<UK2Node_Knot>(Pin->GetOwningNode()))
	{
		const UEdGraphPin* const KnotInput = Knot->GetInputPin();
		if (KnotInput->LinkedTo.IsEmpty())
		{
			return EvaluateUnlinkedKnot(KnotInput, OutError);
		}
		Pin = KnotInput->LinkedTo[0];
	}
	const UEdGraphPin* const CompiledPin = FindCompiledPin(Pin);
	if (!CompiledPin)
	{
		OutError = FString::Printf(TEXT("The pin %s has no part in the compiled graph"), *DescribePin(Pin));
		return nullptr;
	}
	if (CompiledPin->Direction == EGPD_Output)
	{
		return EvaluateOutput(CompiledPin, OutError);
	}
	const FProperty* const Property = FindPinTypeProperty(CompiledPin->PinType);
	if (!Property)
	{
		OutError = FString::Printf(TEXT("The pin %s has a type the evaluator cannot hold (%s)"), *DescribePin(Pin), *UEdGraphSchema_K2::TypeToText(CompiledPin->PinType).ToString());
		return nullptr;
	}
	const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(Property);
	if (!EvaluateInput(CompiledPin, Property, Value->GetData(), OutError))
	{
		return nullptr;
	}
	return Value;
}

TSharedPtr<const FHostPinValue> FHostGraphEvaluator::EvaluateUnlinkedKnot(const UEdGraphPin* KnotInput, FString& OutError)
{
	// Its input takes no value, so what it passes on is the empty value of its type.
	const FProperty* const Property = FindPinProperty(KnotInput, OutError);
	if (!Property)
	{
		return nullptr;
	}
	return MakeShared<FHostPinValue>(Property);
}

bool FHostGraphEvaluator::CanEvaluateNode(const UEdGraphNode* Node)
{
	return Node->IsA<UK2Node_CallFunction>() || Node->IsA<UK2Node_MakeArray>() || Node->IsA<UK2Node_MakeMap>() || Node->IsA<UK2Node_GetArrayItem>() || Node->IsA<UK2Node_Select>() || Node->IsA<UK2Node_FormatText>() || Node->IsA<UK2Node_CastByteToEnum>() || Node->IsA<UK2Node_HostValueSource>();
}

const UEdGraphPin* FHostGraphEvaluator::FindCompiledPin(const UEdGraphPin* Pin) const
{
	if (const UEdGraphPin* const* Compiled = CompiledPins.Find(Pin))
	{
		return *Compiled;
	}
	const UEdGraphNode* const Node = Pin->GetOwningNode();
	const bool bIsCompiledNode = CompiledGraphs.Contains(Node->GetGraph()) && CanEvaluateNode(Node);
	return bIsCompiledNode ? Pin : nullptr;
}

TSharedPtr<const FHostPinValue> FHostGraphEvaluator::EvaluateOutput(const UEdGraphPin* OutputPin, FString& OutError)
{
	if (const TSharedPtr<const FHostPinValue>* Cached = OutputValues.Find(OutputPin))
	{
		return *Cached;
	}
	if (!RunWithInputs(OutputPin->GetOwningNode(), OutError))
	{
		return nullptr;
	}
	if (const TSharedPtr<const FHostPinValue>* Value = OutputValues.Find(OutputPin))
	{
		return *Value;
	}
	OutError = FString::Printf(TEXT("The pin %s gives no value"), *DescribePin(OutputPin));
	return nullptr;
}

bool FHostGraphEvaluator::RunWithInputs(const UEdGraphNode* Start, FString& OutError)
{
	// The nodes that feed Start run first, deepest first, as the virtual machine runs the statements of
	// a pure network before the one that reads it. A stack of its own walks them, so that a network of
	// any depth runs without using the call stack.
	struct FVisit
	{
		const UEdGraphNode* Node;
		bool bInputsQueued;
	};
	TArray<FVisit> Pending = {{Start, false}};
	while (!Pending.IsEmpty())
	{
		const FVisit Visit = Pending.Last();
		const bool* const bDone = NodeStates.Find(Visit.Node);
		if (bDone && *bDone)
		{
			Pending.Pop();
			continue;
		}
		if (Visit.bInputsQueued)
		{
			Pending.Pop();
			const bool bRan = RunNode(Visit.Node, OutError);
			NodeStates.Add(Visit.Node, true);
			if (!bRan)
			{
				return false;
			}
			continue;
		}
		if (bDone)
		{
			OutError = FString::Printf(TEXT("The nodes before %s form a loop"), *Visit.Node->GetNodeTitle(ENodeTitleType::ListView).ToString());
			return false;
		}
		NodeStates.Add(Visit.Node, false);
		Pending.Last().bInputsQueued = true;
		for (const UEdGraphPin* Pin : Visit.Node->Pins)
		{
			if (Pin->Direction != EGPD_Input || Pin->LinkedTo.IsEmpty())
			{
				continue;
			}
			const UEdGraphNode* const Source = Pin->LinkedTo[0]->GetOwningNode();
			const bool* const bSourceDone = NodeStates.Find(Source);
			if (bSourceDone && !*bSourceDone)
			{
				OutError = FString::Printf(TEXT("The nodes before %s form a loop"), *Visit.Node->GetNodeTitle(ENodeTitleType::ListView).ToString());
				return false;
			}
			if (!bSourceDone)
			{
				Pending.Add({Source, false});
			}
		}
	}
	return true;
}

bool FHostGraphEvaluator::EvaluateInput(const UEdGraphPin* InputPin, const FProperty* Property, void* Dest, FString& OutError)
{
	if (InputPin->LinkedTo.IsEmpty())
	{
		ImportPinDefault(*InputPin, Property, Dest);
		return true;
	}
	const TSharedPtr<const FHostPinValue> Source = EvaluateOutput(InputPin->LinkedTo[0], OutError);
	if (!Source.IsValid())
	{
		return false;
	}
	if (!CopyValue(Source->GetProperty(), Source->GetData(), Property, Dest))
	{
		OutError = FString::Printf(TEXT("The pin %s takes %s but is given %s"), *DescribePin(InputPin), *Property->GetCPPType(), *Source->GetProperty()->GetCPPType());
		return false;
	}
	return true;
}

bool FHostGraphEvaluator::RunNode(const UEdGraphNode* Node, FString& OutError)
{
	if (const UK2Node_CallArrayFunction* const ArrayCallNode = Cast<UK2Node_CallArrayFunction>(Node))
	{
		return RunCallArrayFunction(ArrayCallNode, OutError);
	}
	if (const UK2Node_CallFunction* const CallNode = Cast<UK2Node_CallFunction>(Node))
	{
		return RunCallFunction(CallNode, OutError);
	}
	if (const UK2Node_GetArrayItem* const GetNode = Cast<UK2Node_GetArrayItem>(Node))
	{
		return RunGetArrayItem(GetNode, OutError);
	}
	if (const UK2Node_MakeArray* const ArrayNode = Cast<UK2Node_MakeArray>(Node))
	{
		return RunMakeArray(ArrayNode, OutError);
	}
	if (const UK2Node_Select* const SelectNode = Cast<UK2Node_Select>(Node))
	{
		return RunSelect(SelectNode, OutError);
	}
	if (const UK2Node_FormatText* const FormatNode = Cast<UK2Node_FormatText>(Node))
	{
		return RunFormatText(FormatNode, OutError);
	}
	if (const UK2Node_CastByteToEnum* const CastNode = Cast<UK2Node_CastByteToEnum>(Node))
	{
		return RunCastByteToEnum(CastNode, OutError);
	}
	if (const UK2Node_MakeMap* const MapNode = Cast<UK2Node_MakeMap>(Node))
	{
		return RunMakeMap(MapNode, OutError);
	}
	if (const UK2Node_HostValueSource* const SourceNode = Cast<UK2Node_HostValueSource>(Node))
	{
		return RunValueSource(SourceNode, OutError);
	}
	OutError = FString::Printf(TEXT("The evaluator cannot run %s"), *Node->GetClass()->GetName());
	return false;
}

bool FHostGraphEvaluator::RunCallFunction(const UK2Node_CallFunction* Node, FString& OutError)
{
	const UFunction* const Function = Node->GetTargetFunction();
	if (!Function)
	{
		OutError = FString::Printf(TEXT("The function \"%s\" does not exist"), *Node->FunctionReference.GetMemberName().ToString());
		return false;
	}
	// A static function runs on its class's default object, whatever its hidden target pin holds.
	const UEdGraphPin* const SelfPin = Node->FindPin(UEdGraphSchema_K2::PN_Self, EGPD_Input);
	UObject* const Target = Function->HasAnyFunctionFlags(FUNC_Static) ? Function->GetOuterUClass()->GetDefaultObject() : SelfPin && SelfPin->DefaultObject ? SelfPin->DefaultObject.Get() : nullptr;
	if (!Target)
	{
		OutError = FString::Printf(TEXT("The call of %s has no target object"), *Function->GetName());
		return false;
	}

	FParameterBuffer Parameters(Function);
	TArray<FLentArgument> LentArguments;
	for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
	{
		const UEdGraphPin* const Pin = Node->FindPin(It->GetFName(), EGPD_Input);
		void* const Slot = It->ContainerPtrToValuePtr(Parameters.GetData());
		if (Pin && !PassArgument(Pin, *It, Slot, LentArguments, OutError))
		{
			ReturnLentArguments(LentArguments);
			return false;
		}
	}
	Target->ProcessEvent(const_cast<UFunction*>(Function), Parameters.GetData());
	ReturnLentArguments(LentArguments);
	for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
	{
		if (const UEdGraphPin* const Pin = Node->FindPin(It->GetFName(), EGPD_Output))
		{
			const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(*It);
			It->CopyCompleteValue(Value->GetData(), It->ContainerPtrToValuePtr(Parameters.GetData()));
			OutputValues.Add(Pin, Value);
		}
	}
	return true;
}

bool FHostGraphEvaluator::RunCallArrayFunction(const UK2Node_CallArrayFunction* Node, FString& OutError)
{
	// The function's native code reads each argument with the property of the value passed: the array
	// pin and the pins of its element type are given values of the types the pins have, the other
	// arguments their parameters' own.
	UFunction* const Function = Node->GetTargetFunction();
	if (!Function)
	{
		OutError = FString::Printf(TEXT("The function \"%s\" does not exist"), *Node->FunctionReference.GetMemberName().ToString());
		return false;
	}
	UObject* const Target = Function->GetOuterUClass()->GetDefaultObject();
	TArray<UEdGraphPin*> WildcardPins;
	Node->GetArrayTypeDependentPins(WildcardPins);
	WildcardPins.Add(Node->GetTargetArrayPin());

	FParameterBuffer Parameters(Function);
	FFrame Stack(Target, Function, Parameters.GetData());
	TArray<TPair<const UEdGraphPin*, TSharedRef<FHostPinValue>>> Outputs;
	TArray<TSharedRef<FHostPinValue>> Inputs;
	for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
	{
		if (It->HasAnyPropertyFlags(CPF_ReturnParm))
		{
			continue;
		}
		const UEdGraphPin* const Pin = Node->FindPin(It->GetFName());
		const FProperty* Property = *It;
		if (Pin && WildcardPins.Contains(Pin))
		{
			Property = FindPinProperty(Pin, OutError);
			if (!Property)
			{
				return false;
			}
		}
		const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(Property);
		if (Pin && Pin->Direction == EGPD_Input && !EvaluateInput(Pin, Property, Value->GetData(), OutError))
		{
			return false;
		}
		if (Pin && Pin->Direction == EGPD_Output)
		{
			Outputs.Emplace(Pin, Value);
		}
		else
		{
			Inputs.Add(Value);
		}
		Stack.Arguments.Add({const_cast<FProperty*>(Property), Value->GetData()});
	}
	const FProperty* const ReturnProperty = Function->GetReturnProperty();
	Function->Invoke(Target, Stack, ReturnProperty ? ReturnProperty->ContainerPtrToValuePtr(Parameters.GetData()) : nullptr);
	if (Stack.bArrayContextFailed)
	{
		OutError = FString::Printf(TEXT("The call of %s was given no array"), *Function->GetName());
		return false;
	}
	for (const TPair<const UEdGraphPin*, TSharedRef<FHostPinValue>>& Output : Outputs)
	{
		OutputValues.Add(Output.Key, Output.Value);
	}
	if (const UEdGraphPin* const ReturnPin = ReturnProperty ? Node->FindPin(ReturnProperty->GetFName(), EGPD_Output) : nullptr)
	{
		const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(ReturnProperty);
		ReturnProperty->CopyCompleteValue(Value->GetData(), ReturnProperty->ContainerPtrToValuePtr(Parameters.GetData()));
		OutputValues.Add(ReturnPin, Value);
	}
	return true;
}

bool FHostGraphEvaluator::RunGetArrayItem(const UK2Node_GetArrayItem* Node, FString& OutError)
{
	const UEdGraphPin* const ArrayPin = Node->GetTargetArrayPin();
	const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(FindPinTypeProperty(ArrayPin->PinType));
	if (!ArrayProperty)
	{
		OutError = FString::Printf(TEXT("The pin %s has a type the evaluator cannot hold (%s)"), *DescribePin(ArrayPin), *UEdGraphSchema_K2::TypeToText(ArrayPin->PinType).ToString());
		return false;
	}
	FHostPinValue Array(ArrayProperty);
	FHostPinValue Index(FindPinTypeProperty(Node->GetIndexPin()->PinType));
	if (!EvaluateInput(ArrayPin, ArrayProperty, Array.GetData(), OutError) || !EvaluateInput(Node->GetIndexPin(), Index.GetProperty(), Index.GetData(), OutError))
	{
		return false;
	}
	// Outside the array the item keeps its type's empty value, as the virtual machine leaves it.
	const TSharedRef<FHostPinValue> Item = MakeShared<FHostPinValue>(ArrayProperty->Inner);
	const FScriptArrayHelper Helper(ArrayProperty, Array.GetData());
	const int32 ItemIndex = Index.Get<int32>();
	if (Helper.IsValidIndex(ItemIndex))
	{
		ArrayProperty->Inner->CopyCompleteValue(Item->GetData(), Helper.GetRawPtr(ItemIndex));
	}
	else
	{
		UE_LOG(LogTemp, Warning, TEXT("Attempted to access index %d from array of length %d!"), ItemIndex, Helper.Num());
	}
	OutputValues.Add(Node->GetResultPin(), Item);
	return true;
}

bool FHostGraphEvaluator::RunCastByteToEnum(const UK2Node_CastByteToEnum* Node, FString& OutError)
{
	// The checked cast compiles to a call of UKismetNodeHelperLibrary::GetValidValue, which the host lacks.
	if (Node->bSafe)
	{
		OutError = FString::Printf(TEXT("The evaluator cannot run the checked %s"), *Node->GetNodeTitle(ENodeTitleType::ListView).ToString());
		return false;
	}
	const UEdGraphPin* const InputPin = Node->FindPinChecked(UK2Node_CastByteToEnum::ByteInputPinName);
	const UEdGraphPin* const OutputPin = Node->FindPinChecked(UEdGraphSchema_K2::PN_ReturnValue);
	const FProperty* const Property = FindPinProperty(OutputPin, OutError);
	if (!Property)
	{
		return false;
	}
	const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(Property);
	if (!EvaluateInput(InputPin, Property, Value->GetData(), OutError))
	{
		return false;
	}
	OutputValues.Add(OutputPin, Value);
	return true;
}

bool FHostGraphEvaluator::RunSelect(const UK2Node_Select* Node, FString& OutError)
{
	const UEdGraphPin* const IndexPin = Node->GetIndexPin();
	const UEdGraphPin* const ReturnPin = Node->GetReturnValuePin();
	const FProperty* const IndexProperty = FindPinProperty(IndexPin, OutError);
	const FProperty* const ValueProperty = IndexProperty ? FindPinProperty(ReturnPin, OutError) : nullptr;
	if (!ValueProperty)
	{
		return false;
	}
	FHostPinValue Index(IndexProperty);
	if (!EvaluateInput(IndexPin, IndexProperty, Index.GetData(), OutError))
	{
		return false;
	}
	// Every option's network has run before this node, as the compiled statements feeding the
	// options run before the select; only the matched option's value is read.
	TArray<UEdGraphPin*> OptionPins;
	Node->GetOptionPins(OptionPins);
	const UEnum* const Enum = Node->GetEnum();
	const TSharedRef<FHostPinValue> Result = MakeShared<FHostPinValue>(ValueProperty);
	for (int32 OptionIndex = 0; OptionIndex < OptionPins.Num(); ++OptionIndex)
	{
		FHostPinValue Literal(IndexProperty);
		if (Enum)
		{
			CastField<FNumericProperty>(IndexProperty)->SetIntPropertyValue(Literal.GetData(), Enum->GetValueByName(OptionPins[OptionIndex]->PinName));
		}
		else
		{
			ImportDefaultText(FString::FromInt(OptionIndex), IndexProperty, Literal.GetData());
		}
		if (IndexProperty->Identical(Index.GetData(), Literal.GetData()))
		{
			if (!EvaluateInput(OptionPins[OptionIndex], ValueProperty, Result->GetData(), OutError))
			{
				return false;
			}
			OutputValues.Add(ReturnPin, Result);
			return true;
		}
	}
	UE_LOG(LogScript, Warning, TEXT("Switch statement failed to match case for index property %s"), *IndexPin->GetName());
	OutputValues.Add(ReturnPin, Result);
	return true;
}

bool FHostGraphEvaluator::RunFormatText(const UK2Node_FormatText* Node, FString& OutError)
{
	const UEdGraphPin* const FormatPin = Node->GetFormatPin();
	const FProperty* const TextProperty = FindPinTypeProperty(FormatPin->PinType);
	FHostPinValue Format(TextProperty);
	if (!EvaluateInput(FormatPin, TextProperty, Format.GetData(), OutError))
	{
		return false;
	}
	// Run as the compiled node runs: an unlinked argument is an empty text, a linked string goes
	// through To Text (String) first. Numbers, booleans, names, objects and genders are formatted by
	// the engine; the host's texts format only texts, so such an argument is refused here.
	FFormatNamedArguments Arguments;
	for (int32 Index = 0; Index < Node->GetArgumentCount(); ++Index)
	{
		const FString Name = Node->GetArgumentName(Index).ToString();
		const UEdGraphPin* const Pin = Node->FindArgumentPin(FName(*Name));
		if (!Pin || Pin->LinkedTo.IsEmpty())
		{
			Arguments.Add(Name, FText::GetEmpty());
			continue;
		}
		const FName Category = Pin->PinType.PinCategory;
		if (Pin->PinType.IsContainer() || (Category != UEdGraphSchema_K2::PC_Text && Category != UEdGraphSchema_K2::PC_String))
		{
			OutError = FString::Printf(TEXT("The argument %s is a %s, which the host's text cannot format"), *DescribePin(Pin), *UEdGraphSchema_K2::TypeToText(Pin->PinType).ToString());
			return false;
		}
		const FProperty* const Property = FindPinTypeProperty(Pin->PinType);
		FHostPinValue Value(Property);
		if (!EvaluateInput(Pin, Property, Value.GetData(), OutError))
		{
			return false;
		}
		Arguments.Add(Name, Category == UEdGraphSchema_K2::PC_String ? UKismetTextLibrary::Conv_StringToText(*static_cast<const FString*>(Value.GetData())) : *static_cast<const FText*>(Value.GetData()));
	}
	const TSharedRef<FHostPinValue> Result = MakeShared<FHostPinValue>(TextProperty);
	*static_cast<FText*>(Result->GetData()) = FText::Format(*static_cast<const FText*>(Format.GetData()), Arguments);
	OutputValues.Add(Node->GetResultPin(), Result);
	return true;
}

bool FHostGraphEvaluator::PassArgument(const UEdGraphPin* InputPin, const FProperty* Property, void* Slot, TArray<FLentArgument>& InOutLent, FString& OutError)
{
	// The virtual machine passes a const reference argument in place. An array another node gave is
	// lent to the call the same way: its bytes swapped into the parameter and back, never copied.
	if (!Property->HasAllPropertyFlags(CPF_ConstParm | CPF_ReferenceParm) || !Property->IsA<FArrayProperty>() || InputPin->LinkedTo.IsEmpty())
	{
		return EvaluateInput(InputPin, Property, Slot, OutError);
	}
	const TSharedPtr<const FHostPinValue> Source = EvaluateOutput(InputPin->LinkedTo[0], OutError);
	if (!Source.IsValid())
	{
		return false;
	}
	const bool bAlreadyLent = InOutLent.ContainsByPredicate([&Source](const FLentArgument& Lent) { return Lent.Value == Source; });
	if (bAlreadyLent || Source->GetProperty()->GetCPPType() != Property->GetCPPType())
	{
		return EvaluateInput(InputPin, Property, Slot, OutError);
	}
	InOutLent.Add({Source, Slot});
	SwapBytes(const_cast<void*>(Source->GetData()), Slot, Property->GetSize());
	return true;
}

void FHostGraphEvaluator::ReturnLentArguments(TArray<FLentArgument>& Lent)
{
	for (const FLentArgument& Argument : Lent)
	{
		SwapBytes(const_cast<void*>(Argument.Value->GetData()), Argument.Slot, Argument.Value->GetProperty()->GetSize());
	}
	Lent.Reset();
}

bool FHostGraphEvaluator::RunMakeArray(const UK2Node_MakeArray* Node, FString& OutError)
{
	const UEdGraphPin* const OutputPin = Node->GetOutputPin();
	const FArrayProperty* const Property = CastField<FArrayProperty>(FindPinTypeProperty(OutputPin->PinType));
	if (!Property)
	{
		OutError = FString::Printf(TEXT("The array of %s has a type the evaluator cannot build (%s)"), *Node->GetName(), *UEdGraphSchema_K2::TypeToText(OutputPin->PinType).ToString());
		return false;
	}
	TArray<const UEdGraphPin*> Elements;
	for (const UEdGraphPin* Pin : Node->Pins)
	{
		if (Pin->Direction == EGPD_Input)
		{
			Elements.Add(Pin);
		}
	}
	const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(Property);
	const FScriptArrayHelper Array(Property, Value->GetData());
	Array.Resize(Elements.Num());
	for (int32 Index = 0; Index < Elements.Num(); ++Index)
	{
		if (!EvaluateInput(Elements[Index], Property->Inner, Array.GetRawPtr(Index), OutError))
		{
			return false;
		}
	}
	OutputValues.Add(OutputPin, Value);
	return true;
}

bool FHostGraphEvaluator::RunMakeMap(const UK2Node_MakeMap* Node, FString& OutError)
{
	const UEdGraphPin* const OutputPin = Node->GetOutputPin();
	const FMapProperty* const Property = CastField<FMapProperty>(FindPinTypeProperty(OutputPin->PinType));
	if (!Property)
	{
		OutError = FString::Printf(TEXT("The map of %s has a type the evaluator cannot build (%s)"), *Node->GetName(), *UEdGraphSchema_K2::TypeToText(OutputPin->PinType).ToString());
		return false;
	}
	TMap<FName, const UEdGraphPin*> InputsByName;
	InputsByName.Reserve(Node->Pins.Num());
	for (const UEdGraphPin* Pin : Node->Pins)
	{
		if (Pin->Direction == EGPD_Input)
		{
			InputsByName.Add(Pin->PinName, Pin);
		}
	}
	const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(Property);
	const FScriptMapHelper Map(Property, Value->GetData());
	for (int32 Index = 0;; ++Index)
	{
		const UEdGraphPin* const* KeyPin = InputsByName.Find(Node->GetKeyPinName(Index));
		const UEdGraphPin* const* ValuePin = InputsByName.Find(Node->GetValuePinName(Index));
		if (!KeyPin || !ValuePin)
		{
			break;
		}
		FHostPinValue Key(Property->KeyProp);
		FHostPinValue PairValue(Property->ValueProp);
		if (!EvaluateInput(*KeyPin, Property->KeyProp, Key.GetData(), OutError) || !EvaluateInput(*ValuePin, Property->ValueProp, PairValue.GetData(), OutError))
		{
			return false;
		}
		Map.AddPair(Key.GetData(), PairValue.GetData());
	}
	OutputValues.Add(OutputPin, Value);
	return true;
}

bool FHostGraphEvaluator::RunValueSource(const UK2Node_HostValueSource* Node, FString& OutError)
{
	const UEdGraphPin* const OutputPin = Node->GetValuePin();
	const FProperty* const Property = FindPinTypeProperty(OutputPin->PinType);
	if (!Property)
	{
		OutError = FString::Printf(TEXT("The value of %s has a type the evaluator cannot hold (%s)"), *Node->GetName(), *UEdGraphSchema_K2::TypeToText(OutputPin->PinType).ToString());
		return false;
	}
	const TSharedRef<FHostPinValue> Value = MakeShared<FHostPinValue>(Property);
	const TArray<FString>& Texts = Node->GetValues();
	if (const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(Property))
	{
		const FScriptArrayHelper Array(ArrayProperty, Value->GetData());
		Array.Resize(Texts.Num());
		for (int32 Index = 0; Index < Texts.Num(); ++Index)
		{
			ImportDefaultText(Texts[Index], ArrayProperty->Inner, Array.GetRawPtr(Index));
		}
	}
	else if (!Texts.IsEmpty())
	{
		ImportDefaultText(Texts[0], Property, Value->GetData());
	}
	OutputValues.Add(OutputPin, Value);
	return true;
}
