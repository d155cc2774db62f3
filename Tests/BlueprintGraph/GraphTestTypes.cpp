#include "GraphTestTypes.h"

#include "BlueprintActionDatabaseRegistrar.h"
#include "BlueprintNodeSpawner.h"
#include "EdGraphSchema_K2.h"
#include "K2Node_CallFunction.h"
#include "KismetCompiler.h"

int32 UGraphTestLibrary::Tickets = 0;

FString UGraphTestLibrary::JoinWords(const FString& First, const FString& Second)
{
	return First + TEXT(" ") + Second;
}

bool UGraphTestLibrary::SplitWords(const FString& Text, TArray<FString>& OutWords)
{
	Text.ParseIntoArray(OutWords, TEXT(" "));
	return !OutWords.IsEmpty();
}

int32 UGraphTestLibrary::CountWords(const TArray<FString>& Words)
{
	return Words.Num();
}

int32 UGraphTestLibrary::CountPairs(const TMap<FString, FString>& Pairs)
{
	return Pairs.Num();
}

int32 UGraphTestLibrary::CountTagged(const TArray<FString>& Words, const TMap<FString, FString>& Pairs, const FName& Tag)
{
	return Words.Num() + Pairs.Num();
}

float UGraphTestLibrary::Scale(float Value, int32 Factor)
{
	return Value * (float)Factor;
}

void UGraphTestLibrary::RecordWord(const FString& Word)
{
	++Tickets;
}

int32 UGraphTestLibrary::NextTicket()
{
	return ++Tickets;
}

FString UGraphTestLibrary::HiddenFromMenu()
{
	return FString();
}

UGraphTestNode::UGraphTestNode(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UGraphTestNode::AllocateDefaultPins()
{
	for (const FString& Name : InputNames)
	{
		CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, FName(*Name));
	}
	for (const FString& Name : OutputNames)
	{
		CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, FName(*Name));
	}
}

void UGraphTestNode::PinConnectionListChanged(UEdGraphPin* Pin)
{
	Super::PinConnectionListChanged(Pin);
	++NumPinNotifications;
}

void UGraphTestNode::NodeConnectionListChanged()
{
	Super::NodeConnectionListChanged();
	++NumNodeNotifications;
}

UGraphTestExpandingNode::UGraphTestExpandingNode(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UGraphTestExpandingNode::AllocateDefaultPins()
{
	CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, TEXT("In"));
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, TEXT("Out"));
}

void UGraphTestExpandingNode::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	Super::ExpandNode(CompilerContext, SourceGraph);
	UEdGraphPin* const InPin = FindPinChecked(TEXT("In"), EGPD_Input);
	UEdGraphPin* const OutPin = FindPinChecked(TEXT("Out"), EGPD_Output);
	if (Depth > 0)
	{
		UGraphTestExpandingNode* const Inner = CompilerContext.SpawnIntermediateNode<UGraphTestExpandingNode>(this, SourceGraph);
		Inner->Depth = Depth - 1;
		Inner->Suffix = Suffix;
		Inner->AllocateDefaultPins();
		CompilerContext.MovePinLinksToIntermediate(*InPin, *Inner->FindPinChecked(TEXT("In")));
		CompilerContext.MovePinLinksToIntermediate(*OutPin, *Inner->FindPinChecked(TEXT("Out")));
	}
	else
	{
		UK2Node_CallFunction* const Call = CompilerContext.SpawnIntermediateNode<UK2Node_CallFunction>(this, SourceGraph);
		Call->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(GET_FUNCTION_NAME_CHECKED(UGraphTestLibrary, JoinWords)));
		Call->AllocateDefaultPins();
		CompilerContext.MovePinLinksToIntermediate(*InPin, *Call->FindPinChecked(TEXT("First")));
		Call->FindPinChecked(TEXT("Second"))->DefaultValue = Suffix;
		CompilerContext.MovePinLinksToIntermediate(*OutPin, *Call->GetReturnValuePin());
	}
	BreakAllNodeLinks();
}

void UGraphTestExpandingNode::GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const
{
	if (ActionRegistrar.IsOpenForRegistration(GetClass()))
	{
		ActionRegistrar.AddBlueprintAction(GetClass(), UBlueprintNodeSpawner::Create(GetClass()));
	}
}

FText UGraphTestExpandingNode::GetMenuCategory() const
{
	return FText::FromString(TEXT("Graph Test"));
}
