#include "AsyncActionTestTypes.h"
#include "BlueprintActionDatabase.h"
#include "BlueprintFunctionNodeSpawner.h"
#include "BlueprintTestFixture.h"
#include "K2Node_AsyncAction.h"
#include "K2Node_CallFunction.h"

#include <string>

namespace
{
	const char* const LatentNote = "Latent. This node will complete at a later time. Latent nodes can only be placed in event graphs.";

	/** The action-menu entries listed under Key that place the given node class. */
	TArray<UBlueprintNodeSpawner*> FindEntries(const UClass* Key, const UClass* NodeClass)
	{
		TArray<UBlueprintNodeSpawner*> Found;
		if (const FBlueprintActionDatabase::FActionList* const Actions = FBlueprintActionDatabase::Get().GetAllActions().Find(Key))
		{
			Found = Actions->FilterByPredicate([NodeClass](const UBlueprintNodeSpawner* Spawner) { return Spawner->NodeClass.Get() == NodeClass; });
		}
		return Found;
	}

	TArray<UBlueprintNodeSpawner*> FindLatentEntries(const UClass* Key)
	{
		return FindEntries(Key, UK2Node_AsyncAction::StaticClass());
	}

	/** A saved property of a node, read through reflection as the editor's serializer would. */
	template <typename ValueType>
	ValueType ReadProperty(const UObject* Object, const TCHAR* Name)
	{
		const FProperty* const Property = Object->GetClass()->FindPropertyByName(Name);
		check(Property);
		return *Property->ContainerPtrToValuePtr<ValueType>(Object);
	}

	FString FunctionNameOf(const UBlueprintNodeSpawner* Spawner)
	{
		return CastChecked<UBlueprintFunctionNodeSpawner>(Spawner)->GetFunction()->GetName();
	}

	/** UTF-8 of a text, for comparisons that must not ignore case (FString == does). */
	std::string Exact(const FText& Text)
	{
		return TCHAR_TO_UTF8(*Text.ToString());
	}

	std::string Exact(const FString& Text)
	{
		return TCHAR_TO_UTF8(*Text);
	}
}

class FAsyncActionNodeTest : public FBlueprintTest
{
};

// UE 5.2 and 5.3+, BlueprintGraph/Private/K2Node_AsyncAction.cpp and BlueprintActionDatabaseRegistrar.cpp
TEST_F(FAsyncActionNodeTest, OnlyStaticFactoriesOfConcreteActionClassesGetALatentEntry)
{
	const TArray<UBlueprintNodeSpawner*> Entries = FindLatentEntries(UAsyncTestAction::StaticClass());
	ASSERT_EQ(Entries.Num(), 1) << "not the deprecated one, the member function or the one without an action";
	EXPECT_EQ(Exact(FunctionNameOf(Entries[0])), "CountWordsLater");
	EXPECT_TRUE(FindLatentEntries(UAsyncTestDedicatedAction::StaticClass()).IsEmpty()) << "the class brings its own node";
	EXPECT_TRUE(FindLatentEntries(UAsyncTestAbstractAction::StaticClass()).IsEmpty()) << "abstract classes are skipped";
	EXPECT_TRUE(FindLatentEntries(UAsyncTestLibrary::StaticClass()).IsEmpty()) << "only action classes are searched";
	EXPECT_TRUE(FindEntries(UAsyncTestAction::StaticClass(), UK2Node_CallFunction::StaticClass()).IsEmpty()) << "internal-use factories get no call entry";

	TArray<FString> LibraryCalls;
	for (const UBlueprintNodeSpawner* Spawner : FindEntries(UAsyncTestLibrary::StaticClass(), UK2Node_CallFunction::StaticClass()))
	{
		LibraryCalls.Add(FunctionNameOf(Spawner));
	}
	LibraryCalls.Sort();
	EXPECT_EQ(LibraryCalls, TArray<FString>({TEXT("Greet"), TEXT("SayNothing"), TEXT("StartFromLibrary")}));
}

// UE 5.4 and 5.8, BlueprintGraph/Private/K2Node_BaseAsyncTask.cpp (AllocateDefaultPins, titles, tooltip, category)
TEST_F(FAsyncActionNodeTest, TheLatentNodeTakesItsPinsFromTheProxyAndItsTextsFromTheFactory)
{
	const TArray<UBlueprintNodeSpawner*> Entries = FindLatentEntries(UAsyncTestAction::StaticClass());
	ASSERT_EQ(Entries.Num(), 1);
	const UEdGraphNode* const Template = Entries[0]->GetTemplateNode();
	ASSERT_NE(Template, nullptr);
	ASSERT_EQ(Template->GetClass(), UK2Node_AsyncAction::StaticClass());

	struct FExpectedPin
	{
		const TCHAR* Name;
		EEdGraphPinDirection Direction;
		FName Category;
	};
	const FExpectedPin Expected[] = {
		{TEXT("execute"), EGPD_Input, UEdGraphSchema_K2::PC_Exec},
		{TEXT("then"), EGPD_Output, UEdGraphSchema_K2::PC_Exec},
		{TEXT("Done"), EGPD_Output, UEdGraphSchema_K2::PC_Exec},
		{TEXT("Failed"), EGPD_Output, UEdGraphSchema_K2::PC_Exec},
		{TEXT("Count"), EGPD_Output, UEdGraphSchema_K2::PC_Int},
		{TEXT("Words"), EGPD_Output, UEdGraphSchema_K2::PC_String},
		{TEXT("Text"), EGPD_Input, UEdGraphSchema_K2::PC_String},
		{TEXT("Limit"), EGPD_Input, UEdGraphSchema_K2::PC_Int},
	};
	ASSERT_EQ(Template->Pins.Num(), (int32)UE_ARRAY_COUNT(Expected));
	for (int32 Index = 0; Index < Template->Pins.Num(); ++Index)
	{
		SCOPED_TRACE(Index);
		const UEdGraphPin* const Pin = Template->Pins[Index];
		EXPECT_EQ(Exact(Pin->PinName.ToString()), Exact(FString(Expected[Index].Name)));
		EXPECT_EQ(Pin->Direction, Expected[Index].Direction);
		EXPECT_EQ(Pin->PinType.PinCategory, Expected[Index].Category);
	}
	EXPECT_EQ(Exact(Template->FindPinChecked(TEXT("Done"))->PinToolTip), "Fires when the words were counted.");

	const UK2Node* const Node = CastChecked<UK2Node>(Template);
	EXPECT_EQ(Exact(Node->GetNodeTitle(ENodeTitleType::FullTitle)), "Count Words Later");
	EXPECT_EQ(Exact(Node->GetMenuCategory()), "Async Test|Words");
	EXPECT_EQ(Exact(Node->GetTooltipText()), std::string("Counts the words of a text, later.\n\nTarget is Async Test Action\n\n") + LatentNote);
	EXPECT_EQ(ReadProperty<FName>(Node, TEXT("ProxyFactoryFunctionName")), FName(TEXT("CountWordsLater")));
	EXPECT_EQ(ReadProperty<UClass*>(Node, TEXT("ProxyFactoryClass")), UAsyncTestAction::StaticClass());
	EXPECT_EQ(ReadProperty<UClass*>(Node, TEXT("ProxyClass")), UAsyncTestAction::StaticClass());
	EXPECT_EQ(ReadProperty<FName>(Node, TEXT("ProxyActivateFunctionName")), FName(TEXT("Activate")));
}

// UE 5.4, BlueprintGraph/Private/BlueprintFunctionNodeSpawner.cpp (Create's menu signature; the set-function step casts)
TEST_F(FAsyncActionNodeTest, TheMenuShowsTheFactoryAndPlacingTheEntryMakesALatentNode)
{
	const TArray<UBlueprintNodeSpawner*> Entries = FindLatentEntries(UAsyncTestAction::StaticClass());
	ASSERT_EQ(Entries.Num(), 1);
	const FBlueprintActionUiSpec& MenuSignature = Entries[0]->PrimeDefaultUiSpec();
	EXPECT_EQ(Exact(MenuSignature.MenuName), "Count Words Later");
	EXPECT_EQ(Exact(MenuSignature.Category), "Async Test|Words");
	EXPECT_EQ(Exact(MenuSignature.Tooltip), "Counts the words of a text, later.\n\nTarget is Async Test Action") << "the menu shows the function's tooltip, without the latent note";

	UEdGraphNode* const Placed = Entries[0]->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0));
	ASSERT_NE(Placed, nullptr);
	EXPECT_EQ(Placed->GetClass(), UK2Node_AsyncAction::StaticClass());
	EXPECT_TRUE(Graph->Nodes.Contains(Placed));
	EXPECT_NE(Placed->FindPin(TEXT("Limit"), EGPD_Input), nullptr);
	EXPECT_EQ(Exact(Placed->GetNodeTitle(ENodeTitleType::MenuTitle)), "Count Words Later");
}

// UE 5.4, BlueprintGraph/Private/K2Node_CallFunction.cpp (GetDefaultTooltipForFunction; 5.5+ moved it to ObjectTools)
TEST_F(FAsyncActionNodeTest, FunctionEntriesShowTheFunctionsOwnDescription)
{
	TMap<FString, const UBlueprintNodeSpawner*> ByFunction;
	for (const UBlueprintNodeSpawner* Spawner : FindEntries(UAsyncTestLibrary::StaticClass(), UK2Node_CallFunction::StaticClass()))
	{
		ByFunction.Add(FunctionNameOf(Spawner), Spawner);
	}
	ASSERT_TRUE(ByFunction.Contains(TEXT("Greet")) && ByFunction.Contains(TEXT("SayNothing")));

	const FBlueprintActionUiSpec& Greet = ByFunction[TEXT("Greet")]->PrimeDefaultUiSpec();
	EXPECT_EQ(Exact(Greet.MenuName), "Greet");
	EXPECT_EQ(Exact(Greet.Category), "Call Function") << "no category of its own";
	EXPECT_EQ(Exact(Greet.Tooltip), "Says hello.\nNote: Quietly.\n\nTarget is Async Test Library") << "cut at @param, @note spelled out";

	const FBlueprintActionUiSpec& SayNothing = ByFunction[TEXT("SayNothing")]->PrimeDefaultUiSpec();
	EXPECT_EQ(Exact(SayNothing.MenuName), "Say Nothing");
	EXPECT_EQ(Exact(SayNothing.Tooltip), "Say Nothing\n\nTarget is Async Test Library") << "without a tooltip the display name stands in";
}

// UE 5.2 and 5.8, Runtime/Engine/Classes/Kismet/BlueprintAsyncActionBase.h: only Activate is reflected,
// hidden from the action menu; registering and SetReadyToDestroy are C++ only.
TEST_F(FAsyncActionNodeTest, TheBaseActionShowsBlueprintsOnlyItsHiddenActivate)
{
	const UClass* const Base = UBlueprintAsyncActionBase::StaticClass();
	const UFunction* const Activate = Base->FindFunctionByName(TEXT("Activate"));
	ASSERT_NE(Activate, nullptr);
	EXPECT_EQ(Activate->GetMetaData(TEXT("BlueprintInternalUseOnly")), FString(TEXT("true")));
	EXPECT_EQ(Base->FindFunctionByName(TEXT("SetReadyToDestroy")), nullptr);
	EXPECT_EQ(Base->FindFunctionByName(TEXT("RegisterWithGameInstance")), nullptr);
	EXPECT_TRUE(FindLatentEntries(Base).IsEmpty());
}
