#include "EdGraphSchema_K2.h"

#include "EdGraph/EdGraph.h"
#include "EdGraph/EdGraphNode.h"
#include "K2Node_CallFunction.h"
#include "K2Node_FunctionEntry.h"
#include "K2Node_FunctionResult.h"
#include "Editor.h"
#include "Engine/Blueprint.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "Settings/EditorStyleSettings.h"
#include "Misc/CString.h"
#include "ScopedTransaction.h"
#include "Templates/Casts.h"
#include "UObject/UnrealType.h"

#define LOCTEXT_NAMESPACE "KismetSchema"

const FName UEdGraphSchema_K2::PC_Exec(TEXT("exec"));
const FName UEdGraphSchema_K2::PC_Boolean(TEXT("bool"));
const FName UEdGraphSchema_K2::PC_Byte(TEXT("byte"));
const FName UEdGraphSchema_K2::PC_Class(TEXT("class"));
const FName UEdGraphSchema_K2::PC_Int(TEXT("int"));
const FName UEdGraphSchema_K2::PC_Int64(TEXT("int64"));
const FName UEdGraphSchema_K2::PC_Float(TEXT("float"));
const FName UEdGraphSchema_K2::PC_Double(TEXT("double"));
const FName UEdGraphSchema_K2::PC_Real(TEXT("real"));
const FName UEdGraphSchema_K2::PC_Name(TEXT("name"));
const FName UEdGraphSchema_K2::PC_Object(TEXT("object"));
const FName UEdGraphSchema_K2::PC_String(TEXT("string"));
const FName UEdGraphSchema_K2::PC_Text(TEXT("text"));
const FName UEdGraphSchema_K2::PC_Struct(TEXT("struct"));
const FName UEdGraphSchema_K2::PC_Wildcard(TEXT("wildcard"));
const FName UEdGraphSchema_K2::PC_Enum(TEXT("enum"));
const FName UEdGraphSchema_K2::PSC_Index(TEXT("index"));

const FName UEdGraphSchema_K2::PN_Execute(TEXT("execute"));
const FName UEdGraphSchema_K2::PN_Then(TEXT("then"));
const FName UEdGraphSchema_K2::PN_Self(TEXT("self"));
const FName UEdGraphSchema_K2::PN_ReturnValue(TEXT("ReturnValue"));

const FName UEdGraphSchema_K2::GN_EventGraph(TEXT("EventGraph"));

const FName FBlueprintMetadata::MD_AutoCreateRefTerm(TEXT("AutoCreateRefTerm"));

namespace
{
	/** Whether a value of one terminal type (category, sub-category, object) can go into another. */
	bool AreTerminalsCompatible(FName OutputCategory, const UObject* OutputObject, FName InputCategory, const UObject* InputObject)
	{
		if (OutputCategory == UEdGraphSchema_K2::PC_Wildcard || InputCategory == UEdGraphSchema_K2::PC_Wildcard)
		{
			return true;
		}
		if (OutputCategory != InputCategory)
		{
			return false;
		}
		if (OutputCategory == UEdGraphSchema_K2::PC_Object || OutputCategory == UEdGraphSchema_K2::PC_Class)
		{
			const UClass* const OutputClass = Cast<UClass>(OutputObject);
			const UClass* const InputClass = Cast<UClass>(InputObject);
			return !InputClass || (OutputClass && OutputClass->IsChildOf(InputClass));
		}
		if (OutputCategory == UEdGraphSchema_K2::PC_Struct)
		{
			return OutputObject == InputObject;
		}
		if (OutputCategory == UEdGraphSchema_K2::PC_Byte)
		{
			return !InputObject || OutputObject == InputObject;
		}
		return true;
	}

	/** The pin type of a single value of the property; false for types Blueprints do not have. */
	bool ConvertValueProperty(const FProperty* Property, FName& OutCategory, FName& OutSubCategory, UObject*& OutObject)
	{
		OutSubCategory = NAME_None;
		OutObject = nullptr;
		if (Property->IsA<FBoolProperty>())
		{
			OutCategory = UEdGraphSchema_K2::PC_Boolean;
		}
		else if (const FByteProperty* const ByteProperty = CastField<FByteProperty>(Property))
		{
			OutCategory = UEdGraphSchema_K2::PC_Byte;
			OutObject = ByteProperty->Enum;
		}
		else if (const FEnumProperty* const EnumProperty = CastField<FEnumProperty>(Property))
		{
			OutCategory = UEdGraphSchema_K2::PC_Byte;
			OutObject = EnumProperty->GetEnum();
		}
		else if (Property->IsA<FIntProperty>())
		{
			OutCategory = UEdGraphSchema_K2::PC_Int;
		}
		else if (Property->IsA<FInt64Property>())
		{
			OutCategory = UEdGraphSchema_K2::PC_Int64;
		}
		else if (Property->IsA<FFloatProperty>() || Property->IsA<FDoubleProperty>())
		{
			OutCategory = UEdGraphSchema_K2::PC_Real;
			OutSubCategory = Property->IsA<FFloatProperty>() ? UEdGraphSchema_K2::PC_Float : UEdGraphSchema_K2::PC_Double;
		}
		else if (Property->IsA<FNameProperty>())
		{
			OutCategory = UEdGraphSchema_K2::PC_Name;
		}
		else if (Property->IsA<FStrProperty>())
		{
			OutCategory = UEdGraphSchema_K2::PC_String;
		}
		else if (Property->IsA<FTextProperty>())
		{
			OutCategory = UEdGraphSchema_K2::PC_Text;
		}
		else if (const FClassProperty* const ClassProperty = CastField<FClassProperty>(Property))
		{
			OutCategory = UEdGraphSchema_K2::PC_Class;
			OutObject = ClassProperty->MetaClass;
		}
		else if (const FObjectProperty* const ObjectProperty = CastField<FObjectProperty>(Property))
		{
			OutCategory = UEdGraphSchema_K2::PC_Object;
			OutObject = ObjectProperty->PropertyClass;
		}
		else if (const FStructProperty* const StructProperty = CastField<FStructProperty>(Property))
		{
			OutCategory = UEdGraphSchema_K2::PC_Struct;
			OutObject = StructProperty->Struct;
		}
		else
		{
			return false;
		}
		return true;
	}

	FString TerminalToString(FName Category, const UObject* Object)
	{
		return Object ? FString::Printf(TEXT("%s (%s)"), *Category.ToString(), *Object->GetName()) : Category.ToString();
	}
}

UEdGraphSchema_K2::UEdGraphSchema_K2(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

const FPinConnectionResponse UEdGraphSchema_K2::CanCreateConnection(const UEdGraphPin* A, const UEdGraphPin* B) const
{
	if (!A || !B)
	{
		return FPinConnectionResponse(CONNECT_RESPONSE_DISALLOW, LOCTEXT("MissingPin", "A pin is missing"));
	}
	if (A->GetOwningNode() == B->GetOwningNode())
	{
		return FPinConnectionResponse(CONNECT_RESPONSE_DISALLOW, LOCTEXT("SameNode", "Both pins are on the same node"));
	}
	if (A->Direction == B->Direction)
	{
		return FPinConnectionResponse(CONNECT_RESPONSE_DISALLOW, LOCTEXT("SameDirection", "Both pins go the same way"));
	}
	if (A->bNotConnectable || B->bNotConnectable)
	{
		return FPinConnectionResponse(CONNECT_RESPONSE_DISALLOW, LOCTEXT("NotConnectable", "The pin cannot be linked"));
	}
	const UEdGraphPin* const Output = A->Direction == EGPD_Output ? A : B;
	const UEdGraphPin* const Input = A->Direction == EGPD_Output ? B : A;
	if (!ArePinTypesCompatible(Output->PinType, Input->PinType))
	{
		return FPinConnectionResponse(CONNECT_RESPONSE_DISALLOW, FText::FromString(FString::Printf(TEXT("%s is not compatible with %s"), *TypeToText(Output->PinType).ToString(), *TypeToText(Input->PinType).ToString())));
	}
	// A value input takes one link; an exec output starts one chain.
	const bool bIsExec = Output->PinType.PinCategory == PC_Exec;
	const UEdGraphPin* const SingleLinkPin = bIsExec ? Output : Input;
	if (!SingleLinkPin->LinkedTo.IsEmpty())
	{
		return FPinConnectionResponse(SingleLinkPin == A ? CONNECT_RESPONSE_BREAK_OTHERS_A : CONNECT_RESPONSE_BREAK_OTHERS_B, LOCTEXT("ReplaceLink", "Replace the existing link"));
	}
	return FPinConnectionResponse(CONNECT_RESPONSE_MAKE, FText::GetEmpty());
}

FString UEdGraphSchema_K2::IsPinDefaultValid(const UEdGraphPin* Pin, const FString& NewDefaultValue, TObjectPtr<UObject> NewDefaultObject, const FText& InNewDefaultText) const
{
	check(Pin);
	// The engine then checks the value against its type; the host takes any value of a single pin.
	const bool bIsFunctionOutput = Pin->Direction == EGPD_Input && Pin->GetOwningNode()->IsA<UK2Node_FunctionResult>();
	if (IsAutoCreateRefTerm(Pin) || bIsFunctionOutput)
	{
		return FString();
	}
	FFormatNamedArguments MessageArgs;
	MessageArgs.Add(TEXT("PinName"), Pin->GetDisplayName());
	if (Pin->PinType.IsArray())
	{
		return FText::Format(LOCTEXT("BadArrayDefaultVal", "Array inputs (like '{PinName}') must have an input wired into them (try connecting a MakeArray node)."), MessageArgs).ToString();
	}
	if (Pin->PinType.IsSet())
	{
		return FText::Format(LOCTEXT("BadSetDefaultVal", "Set inputs (like '{PinName}') must have an input wired into them (try connecting a MakeSet node)."), MessageArgs).ToString();
	}
	if (Pin->PinType.IsMap())
	{
		return FText::Format(LOCTEXT("BadMapDefaultVal", "Map inputs (like '{PinName}') must have an input wired into them (try connecting a MakeMap node)."), MessageArgs).ToString();
	}
	if (Pin->PinType.bIsReference)
	{
		MessageArgs.Add(TEXT("ActionName"), Pin->GetOwningNode()->GetNodeTitle(ENodeTitleType::ListView));
		return FText::Format(LOCTEXT("BadRefDefaultVal", "'{PinName}' in action '{ActionName}' must have an input wired into it (\"by ref\" params expect a valid input to operate on)."), MessageArgs).ToString();
	}
	return FString();
}

void UEdGraphSchema_K2::CreateFunctionGraphTerminators(UEdGraph& Graph, UClass* Class) const
{
	const UBlueprint* const Blueprint = FBlueprintEditorUtils::FindBlueprintForGraphChecked(&Graph);
	check(Blueprint->BlueprintType != BPTYPE_MacroLibrary);
	FGraphNodeCreator<UK2Node_FunctionEntry> EntryCreator(Graph);
	UK2Node_FunctionEntry* const Entry = EntryCreator.CreateNode();
	Entry->FunctionReference.SetExternalMember(Graph.GetFName(), Class);
	EntryCreator.Finalize();
}

void UEdGraphSchema_K2::CreateFunctionGraphTerminators(UEdGraph& Graph, const UFunction* FunctionSignature) const
{
	const UBlueprint* const Blueprint = FBlueprintEditorUtils::FindBlueprintForGraphChecked(&Graph);
	check(Blueprint->BlueprintType != BPTYPE_MacroLibrary);
	FGraphNodeCreator<UK2Node_FunctionEntry> EntryCreator(Graph);
	UK2Node_FunctionEntry* const Entry = EntryCreator.CreateNode();
	Entry->FunctionReference.SetExternalMember(Graph.GetFName(), nullptr);
	EntryCreator.Finalize();
	Entry->CreateUserDefinedPinsForFunctionEntryExit(FunctionSignature, true);

	bool bHasOutParam = false;
	for (TFieldIterator<FProperty> It(FunctionSignature); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
	{
		bHasOutParam |= It->HasAnyPropertyFlags(CPF_OutParm);
	}
	if (!bHasOutParam)
	{
		return;
	}
	FGraphNodeCreator<UK2Node_FunctionResult> ResultCreator(Graph);
	UK2Node_FunctionResult* const Result = ResultCreator.CreateNode();
	Result->FunctionReference = Entry->FunctionReference;
	Result->NodePosX = Entry->NodePosX + 256;
	Result->NodePosY = Entry->NodePosY;
	ResultCreator.Finalize();
	Result->CreateUserDefinedPinsForFunctionEntryExit(FunctionSignature, false);
	Entry->FindPinChecked(PN_Then, EGPD_Output)->MakeLinkTo(Result->FindPinChecked(PN_Execute, EGPD_Input));
}

void UEdGraphSchema_K2::AddExtraFunctionFlags(const UEdGraph* CurrentGraph, int32 ExtraFlags) const
{
	TArray<UK2Node_FunctionEntry*> Entries;
	CurrentGraph->GetNodesOfClass(Entries);
	for (UK2Node_FunctionEntry* Entry : Entries)
	{
		Entry->AddExtraFlags(ExtraFlags);
	}
}

void UEdGraphSchema_K2::MarkFunctionEntryAsEditable(const UEdGraph* CurrentGraph, bool bNewEditable) const
{
	TArray<UK2Node_EditablePinBase*> Nodes;
	CurrentGraph->GetNodesOfClass(Nodes);
	for (UK2Node_EditablePinBase* Node : Nodes)
	{
		Node->bIsEditable = bNewEditable;
	}
}

bool UEdGraphSchema_K2::IsAutoCreateRefTerm(const UEdGraphPin* Pin)
{
	const UK2Node_CallFunction* const CallNode = Pin && !Pin->PinName.IsNone() ? Cast<UK2Node_CallFunction>(Pin->GetOwningNode()) : nullptr;
	const UFunction* const Function = CallNode ? CallNode->GetTargetFunction() : nullptr;
	if (!Function)
	{
		return false;
	}
	TArray<FString> Names;
	GetAutoEmitTermParameters(Function, Names);
	return Names.Contains(Pin->PinName.ToString());
}

void UEdGraphSchema_K2::GetAutoEmitTermParameters(const UFunction* Function, TArray<FString>& AutoEmitParameterNames)
{
	AutoEmitParameterNames.Reset();
	if (Function && Function->HasMetaData(FBlueprintMetadata::MD_AutoCreateRefTerm))
	{
		Function->GetMetaData(FBlueprintMetadata::MD_AutoCreateRefTerm).ParseIntoArray(AutoEmitParameterNames, TEXT(","), true);
		for (FString& Name : AutoEmitParameterNames)
		{
			Name.TrimStartAndEndInline();
		}
		AutoEmitParameterNames.RemoveAll([](const FString& Name) { return Name.IsEmpty(); });
	}
}

void UEdGraphSchema_K2::CombineTwoPinNetsAndRemoveOldPins(UEdGraphPin* InPinA, UEdGraphPin* InPinB) const
{
	check(InPinA && InPinB);
	ensure(InPinA->Direction != InPinB->Direction);
	const auto PushValue = [](const UEdGraphPin* From, const UEdGraphPin* To)
	{
		for (UEdGraphPin* Far : To->LinkedTo)
		{
			Far->DefaultValue = From->DefaultValue;
			Far->DefaultObject = From->DefaultObject;
			Far->DefaultTextValue = From->DefaultTextValue;
		}
	};
	if (InPinA->LinkedTo.IsEmpty() && InPinA->Direction == EGPD_Input)
	{
		PushValue(InPinA, InPinB);
	}
	else if (InPinB->LinkedTo.IsEmpty() && InPinB->Direction == EGPD_Input)
	{
		PushValue(InPinB, InPinA);
	}
	else
	{
		const TArray<UEdGraphPin*> FarAs = InPinA->LinkedTo;
		const TArray<UEdGraphPin*> FarBs = InPinB->LinkedTo;
		for (UEdGraphPin* FarA : FarAs)
		{
			for (UEdGraphPin* FarB : FarBs)
			{
				FarA->MakeLinkTo(FarB);
			}
		}
	}
	InPinA->BreakAllPinLinks();
	InPinB->BreakAllPinLinks();
}

bool UEdGraphSchema_K2::IsMetaPin(const UEdGraphPin& Pin) const
{
	return Pin.PinType.PinCategory == PC_Exec || Pin.PinName == PN_Self;
}

void UEdGraphSchema_K2::TrySetDefaultValue(UEdGraphPin& Pin, const FString& NewDefaultValue, bool bMarkAsModified) const
{
	Super::TrySetDefaultValue(Pin, NewDefaultValue, bMarkAsModified);
	UBlueprint* const Blueprint = Pin.GetOwningNode()->GetTypedOuter<UBlueprint>();
	if (bMarkAsModified && Blueprint)
	{
		FBlueprintEditorUtils::MarkBlueprintAsModified(Blueprint);
	}
}

FText UEdGraphSchema_K2::GetPinDisplayName(const UEdGraphPin* Pin) const
{
	if (!Pin)
	{
		return FText::GetEmpty();
	}
	FText DisplayName = Super::GetPinDisplayName(Pin);
	if (Pin->PinType.PinCategory == PC_Exec)
	{
		// Compared as names, so "Then" and "EXECUTE" are hidden too.
		const FName ShownName(*DisplayName.ToString(), FNAME_Find);
		if (ShownName == PN_Execute || ShownName == PN_Then)
		{
			DisplayName = FText::GetEmpty();
		}
	}
	if (GEditor && GetDefault<UEditorStyleSettings>()->bShowFriendlyNames && Pin->bAllowFriendlyName)
	{
		DisplayName = FText::FromString(FName::NameToDisplayString(DisplayName.ToString(), Pin->PinType.PinCategory == PC_Boolean));
	}
	return DisplayName;
}

bool UEdGraphSchema_K2::ArePinTypesCompatible(const FEdGraphPinType& Output, const FEdGraphPinType& Input, const UClass* CallingContext, bool bIgnoreArray) const
{
	if (Output.PinCategory == PC_Exec || Input.PinCategory == PC_Exec)
	{
		return Output.PinCategory == Input.PinCategory;
	}
	if (Output.ContainerType != Input.ContainerType && !(bIgnoreArray && (Output.IsArray() || Input.IsArray())))
	{
		return false;
	}
	if (!AreTerminalsCompatible(Output.PinCategory, Output.PinSubCategoryObject.Get(), Input.PinCategory, Input.PinSubCategoryObject.Get()))
	{
		return false;
	}
	return !Output.IsMap() || AreTerminalsCompatible(Output.PinValueType.TerminalCategory, Output.PinValueType.TerminalSubCategoryObject.Get(), Input.PinValueType.TerminalCategory, Input.PinValueType.TerminalSubCategoryObject.Get());
}

TOptional<UEdGraphSchema_K2::FSearchForAutocastFunctionResults> UEdGraphSchema_K2::SearchForAutocastFunction(const FEdGraphPinType& OutputPinType, const FEdGraphPinType& InputPinType) const
{
	TOptional<FSearchForAutocastFunctionResults> Result;
	if (OutputPinType.ContainerType != InputPinType.ContainerType)
	{
		return Result;
	}
	// The engine keys its table of conversions by category, sub-category (none for reals) and object.
	const auto IsSameType = [](const FEdGraphPinType& A, const FEdGraphPinType& B)
	{
		return A.PinCategory == B.PinCategory && A.PinSubCategoryObject == B.PinSubCategoryObject && A.ContainerType == B.ContainerType && (A.PinCategory == PC_Real || A.PinSubCategory == B.PinSubCategory);
	};
	TArray<UObject*> Classes;
	GetObjectsOfClass(UClass::StaticClass(), Classes, true);
	for (UObject* const ClassObject : Classes)
	{
		UClass* const Class = static_cast<UClass*>(ClassObject);
		for (TFieldIterator<UFunction> It(Class, EFieldIteratorFlags::ExcludeSuper); It; ++It)
		{
			const UFunction* const Function = *It;
			const FProperty* const ReturnProperty = Function->GetReturnProperty();
			if (!Function->HasMetaData(TEXT("BlueprintAutocast")) || !Function->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintPure) || !ReturnProperty || Function->NumParms != 2)
			{
				continue;
			}
			const FProperty* ParameterProperty = nullptr;
			for (TFieldIterator<FProperty> Parameter(Function); Parameter && Parameter->HasAnyPropertyFlags(CPF_Parm); ++Parameter)
			{
				if (*Parameter != ReturnProperty)
				{
					ParameterProperty = *Parameter;
				}
			}
			FEdGraphPinType ParameterType;
			FEdGraphPinType ReturnType;
			if (ConvertPropertyToPinType(ParameterProperty, ParameterType) && ConvertPropertyToPinType(ReturnProperty, ReturnType) && IsSameType(ParameterType, OutputPinType) && IsSameType(ReturnType, InputPinType))
			{
				Result = FSearchForAutocastFunctionResults{Function->GetFName(), Class};
				return Result;
			}
		}
	}
	return Result;
}

bool UEdGraphSchema_K2::ConvertPropertyToPinType(const FProperty* Property, FEdGraphPinType& TypeOut) const
{
	TypeOut = FEdGraphPinType();
	if (!Property)
	{
		return false;
	}
	const FProperty* ValueProperty = Property;
	if (const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(Property))
	{
		TypeOut.ContainerType = EPinContainerType::Array;
		ValueProperty = ArrayProperty->Inner;
	}
	else if (const FMapProperty* const MapProperty = CastField<FMapProperty>(Property))
	{
		TypeOut.ContainerType = EPinContainerType::Map;
		ValueProperty = MapProperty->KeyProp;
		UObject* TerminalObject = nullptr;
		if (!ConvertValueProperty(MapProperty->ValueProp, TypeOut.PinValueType.TerminalCategory, TypeOut.PinValueType.TerminalSubCategory, TerminalObject))
		{
			return false;
		}
		TypeOut.PinValueType.TerminalSubCategoryObject = TerminalObject;
	}
	UObject* SubCategoryObject = nullptr;
	if (!ConvertValueProperty(ValueProperty, TypeOut.PinCategory, TypeOut.PinSubCategory, SubCategoryObject))
	{
		return false;
	}
	TypeOut.PinSubCategoryObject = SubCategoryObject;
	TypeOut.bIsReference = Property->HasAllPropertyFlags(CPF_OutParm | CPF_ReferenceParm);
	TypeOut.bIsConst = Property->HasAnyPropertyFlags(CPF_ConstParm);
	return true;
}

bool UEdGraphSchema_K2::FindFunctionParameterDefaultValue(const UFunction* Function, const FProperty* Param, FString& OutString)
{
	// An empty entry counts as none, so a parameter defaulted to "" takes its type's empty value.
	const FString& Named = Function->GetMetaData(Param->GetFName());
	const FString& Value = Named.IsEmpty() ? Function->GetMetaData(FName(*(TEXT("CPP_Default_") + Param->GetName()))) : Named;
	if (Value.IsEmpty())
	{
		return false;
	}
	OutString = Value;
	return true;
}

void UEdGraphSchema_K2::SetPinAutogeneratedDefaultValue(UEdGraphPin* Pin, const FString& NewValue) const
{
	Pin->AutogeneratedDefaultValue = NewValue;
	ResetPinToAutogeneratedDefaultValue(Pin, false);
}

void UEdGraphSchema_K2::SetPinAutogeneratedDefaultValueBasedOnType(UEdGraphPin* Pin) const
{
	const FName Category = Pin->PinType.PinCategory;
	FString Value;
	if (!Pin->PinType.IsContainer())
	{
		if (Category == PC_Int || Category == PC_Int64)
		{
			Value = TEXT("0");
		}
		else if (Category == PC_Byte)
		{
			// Left empty for an enum: the pin then shows the first enumerator, whichever it is when the enum changes.
			Value = Cast<UEnum>(Pin->PinType.PinSubCategoryObject.Get()) ? FString() : FString(TEXT("0"));
		}
		else if (Category == PC_Real)
		{
			Value = TEXT("0.0");
		}
		else if (Category == PC_Boolean)
		{
			Value = TEXT("false");
		}
		else if (Category == PC_Name)
		{
			Value = TEXT("None");
		}
	}
	SetPinAutogeneratedDefaultValue(Pin, Value);
}

void UEdGraphSchema_K2::ResetPinToAutogeneratedDefaultValue(UEdGraphPin* Pin, bool bCallModifyCallbacks) const
{
	Super::ResetPinToAutogeneratedDefaultValue(Pin, false);
	// An enum whose autogenerated default is empty takes its first enumerator.
	const UEnum* const Enum = Cast<UEnum>(Pin->PinType.PinSubCategoryObject.Get());
	if (Pin->PinType.PinCategory == PC_Byte && Enum && Pin->DefaultValue.IsEmpty())
	{
		Pin->DefaultValue = Enum->GetNameStringByIndex(0);
	}
	if (bCallModifyCallbacks)
	{
		Pin->GetOwningNode()->PinDefaultValueChanged(Pin);
	}
}

bool UEdGraphSchema_K2::DoesDefaultValueMatchAutogenerated(const UEdGraphPin& InPin) const
{
	const FName Category = InPin.PinType.PinCategory;
	if (Category == PC_Enum || Category == PC_Byte)
	{
		if (InPin.AutogeneratedDefaultValue.IsEmpty())
		{
			const FString Value = InPin.GetDefaultAsString();
			if (Value.IsEmpty())
			{
				return true;
			}
			if (const UEnum* const Enum = Cast<UEnum>(InPin.PinType.PinSubCategoryObject.Get()))
			{
				return InPin.DefaultValue.Equals(Enum->GetNameStringByIndex(0), ESearchCase::IgnoreCase);
			}
			if (Category == PC_Byte && FCString::Atoi(*Value) == 0)
			{
				return true;
			}
		}
	}
	else if (Category == PC_Real)
	{
		return FCString::Atod(*InPin.AutogeneratedDefaultValue) == FCString::Atod(*InPin.DefaultValue);
	}
	else if (Category != PC_Struct && InPin.AutogeneratedDefaultValue.IsEmpty())
	{
		// Pins whose autogenerated default was never set (older or hand-made ones) hold their type's empty value.
		if (InPin.IsDefaultAsStringEmpty())
		{
			return true;
		}
		const FString Value = InPin.GetDefaultAsString();
		if (Category == PC_Boolean)
		{
			return Value == TEXT("false");
		}
		if ((Category == PC_Int && FCString::Atoi(*Value) == 0) || (Category == PC_Int64 && FCString::Atoi64(*Value) == 0))
		{
			return true;
		}
		if (Category == PC_Name)
		{
			return Value == TEXT("None");
		}
	}
	return Super::DoesDefaultValueMatchAutogenerated(InPin);
}

void UEdGraphSchema_K2::BreakPinLinks(UEdGraphPin& TargetPin, bool bSendsNodeNotifcation) const
{
	const FScopedTransaction Transaction(LOCTEXT("BreakPinLinks", "Break Pin Links"));
	// Found first: the notifications may reconstruct the node and free the pin.
	UBlueprint* const Blueprint = TargetPin.GetOwningNode()->GetTypedOuter<UBlueprint>();
	Super::BreakPinLinks(TargetPin, bSendsNodeNotifcation);
	FBlueprintEditorUtils::MarkBlueprintAsModified(Blueprint);
}

void UEdGraphSchema_K2::BreakSinglePinLink(UEdGraphPin* SourcePin, UEdGraphPin* TargetPin) const
{
	const FScopedTransaction Transaction(LOCTEXT("BreakSinglePinLink", "Break Pin Link"));
	UBlueprint* const Blueprint = TargetPin->GetOwningNode()->GetTypedOuter<UBlueprint>();
	Super::BreakSinglePinLink(SourcePin, TargetPin);
	FBlueprintEditorUtils::MarkBlueprintAsModified(Blueprint);
}

bool UEdGraphSchema_K2::CanUserKismetCallFunction(const UFunction* Function)
{
	return Function && Function->HasAllFunctionFlags(FUNC_BlueprintCallable) && !Function->HasAnyFunctionFlags(FUNC_Delegate) && !Function->GetMetaData(TEXT("BlueprintInternalUseOnly")).Equals(TEXT("true"), ESearchCase::IgnoreCase) && !Function->HasMetaData(TEXT("DeprecatedFunction"));
}

FText UEdGraphSchema_K2::TypeToText(const FEdGraphPinType& Type)
{
	const FString Key = TerminalToString(Type.PinCategory, Type.PinSubCategoryObject.Get());
	switch (Type.ContainerType)
	{
	case EPinContainerType::Array:
		return FText::FromString(FString::Printf(TEXT("array of %s"), *Key));
	case EPinContainerType::Set:
		return FText::FromString(FString::Printf(TEXT("set of %s"), *Key));
	case EPinContainerType::Map:
		return FText::FromString(FString::Printf(TEXT("map of %s to %s"), *Key, *TerminalToString(Type.PinValueType.TerminalCategory, Type.PinValueType.TerminalSubCategoryObject.Get())));
	default:
		return FText::FromString(Key);
	}
}

#undef LOCTEXT_NAMESPACE
