#include "BlueprintActionDatabase.h"
#include "BlueprintNodeSpawner.h"
#include "BlueprintTestFixture.h"
#include "JsonTextCheckCases.h"
#include "K2Node_CallFunction.h"
#include "Modules/ModuleManager.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAK2Node_AnalyzeArray.h"
#include "ZOVAK2Node_JsonToArray.h"

class FJsonToArrayTest : public FBlueprintTest
{
protected:
	void SetUp() override
	{
		FBlueprintTest::SetUp();
		FModuleManager::Get().LoadModuleChecked(TEXT("ZOVAJsonEditor"));
	}

	/** The action-menu entry of the node, as the menu lists it. */
	UBlueprintNodeSpawner* FindSpawner() const
	{
		const FBlueprintActionDatabase::FActionList* const Actions = FBlueprintActionDatabase::Get().GetAllActions().Find(UZOVAK2Node_JsonToArray::StaticClass());
		return Actions && Actions->Num() == 1 ? (*Actions)[0] : nullptr;
	}

	/** Places the node from the action menu, as an author does. */
	UEdGraphNode* SpawnNode()
	{
		UBlueprintNodeSpawner* const Spawner = FindSpawner();
		return Spawner ? Spawner->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0)) : nullptr;
	}

	/** What the library gives for the text when called directly. */
	static TArray<FString> CallLibrary(const FString& Json, bool& bOutSuccess)
	{
		TArray<FString> Values;
		bOutSuccess = UZOVABlueprintFunctionLibrary::OnJsonToArray(Json, Values);
		return Values;
	}
};

TEST_F(FJsonToArrayTest, TheActionMenuListsItUnderZovaHttpJsonWithThreePins)
{
	UBlueprintNodeSpawner* const Spawner = FindSpawner();
	ASSERT_NE(Spawner, nullptr);
	EXPECT_EQ(Spawner->NodeClass.Get(), UZOVAK2Node_JsonToArray::StaticClass());
	const UK2Node* const Template = Cast<UK2Node>(Spawner->GetTemplateNode());
	ASSERT_NE(Template, nullptr);

	const ENodeTitleType::Type TitleTypes[] = {ENodeTitleType::FullTitle, ENodeTitleType::ListView, ENodeTitleType::MenuTitle};
	for (const ENodeTitleType::Type TitleType : TitleTypes)
	{
		const FText Title = Template->GetNodeTitle(TitleType);
		EXPECT_EQ(Title.ToString(), TEXT("Json To Array"));
		EXPECT_EQ(FTextInspector::GetNamespace(Title).Get(FString()), TEXT("ZOVA_Json"));
		EXPECT_EQ(FTextInspector::GetKey(Title).Get(FString()), TEXT("Json To Array"));
	}
	const FText Tooltip = Template->GetTooltipText();
	EXPECT_EQ(Tooltip.ToString(), TEXT("Parse Json To Array String"));
	EXPECT_EQ(FTextInspector::GetNamespace(Tooltip).Get(FString()), TEXT("ZOVA_Json"));
	EXPECT_EQ(FTextInspector::GetKey(Tooltip).Get(FString()), TEXT("Parse Json To Array String"));
	EXPECT_EQ(Template->GetMenuCategory().ToString(), TEXT("ZOVA Http Json"));
	EXPECT_FALSE(FTextInspector::GetNamespace(Template->GetMenuCategory()).IsSet()) << "the category is not localized";

	struct FExpectedPin
	{
		const TCHAR* Name;
		EEdGraphPinDirection Direction;
		FName Category;
		EPinContainerType Container;
	};
	const FExpectedPin Expected[] = {
		{TEXT("In Json"), EGPD_Input, UEdGraphSchema_K2::PC_String, EPinContainerType::None},
		{TEXT("Success"), EGPD_Output, UEdGraphSchema_K2::PC_Boolean, EPinContainerType::None},
		{TEXT("String Array"), EGPD_Output, UEdGraphSchema_K2::PC_String, EPinContainerType::Array},
	};
	ASSERT_EQ(Template->Pins.Num(), (int32)UE_ARRAY_COUNT(Expected));
	for (int32 Index = 0; Index < Template->Pins.Num(); ++Index)
	{
		SCOPED_TRACE(Index);
		const UEdGraphPin* const Pin = Template->Pins[Index];
		EXPECT_TRUE(Pin->PinName.ToString().Equals(Expected[Index].Name, ESearchCase::CaseSensitive));
		EXPECT_EQ(Pin->Direction, Expected[Index].Direction);
		EXPECT_EQ(Pin->PinType.PinCategory, Expected[Index].Category);
		EXPECT_EQ(Pin->PinType.ContainerType, Expected[Index].Container);
	}
}

TEST_F(FJsonToArrayTest, TheAnalyzeArrayNodeIsNotInTheActionMenu)
{
	for (const TPair<const UObject*, FBlueprintActionDatabase::FActionList>& Entry : FBlueprintActionDatabase::Get().GetAllActions())
	{
		EXPECT_NE(Entry.Key, UZOVAK2Node_AnalyzeArray::StaticClass());
		for (const UBlueprintNodeSpawner* Spawner : Entry.Value)
		{
			EXPECT_NE(Spawner->NodeClass.Get(), UZOVAK2Node_AnalyzeArray::StaticClass());
		}
	}
}

TEST_F(FJsonToArrayTest, CompilesIntoOneCallOfOnJsonToArrayAndGivesItsValues)
{
	struct FCase
	{
		const char* Name;
		FString Json;
		bool bLinked;
	};
	const FCase Cases[] = {
		{"text fed by a link", TEXT("[\"a\", 2, true, {\"k\": [1]}]"), true},
		{"text typed into the pin", TEXT("[\"中文\", \"\", null]"), false},
		{"text that is not an array", TEXT("{\"a\": 1}"), false},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		Graph->Nodes.Reset();
		UEdGraphNode* const Node = SpawnNode();
		ASSERT_NE(Node, nullptr);
		UEdGraphPin* const InJson = Node->FindPinChecked(TEXT("In Json"));
		if (Case.bLinked)
		{
			Link(AddSource(UEdGraphSchema_K2::PC_String, Case.Json)->GetValuePin(), InJson);
		}
		else
		{
			GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*InJson, Case.Json);
		}
		Compile();
		ASSERT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());

		const TArray<UK2Node_CallFunction*> Calls = GetCompiledNodes<UK2Node_CallFunction>();
		ASSERT_EQ(Calls.Num(), 1);
		EXPECT_EQ(Calls[0]->GetTargetFunction(), UZOVABlueprintFunctionLibrary::StaticClass()->FindFunctionByName(TEXT("OnJsonToArray")));
		EXPECT_TRUE(GetCompiledNodes<UZOVAK2Node_JsonToArray>().IsEmpty());
		EXPECT_EQ(InJson->LinkedTo.Num(), Case.bLinked ? 1 : 0) << "the author's graph keeps its links";

		bool bExpectedSuccess = false;
		const TArray<FString> ExpectedValues = CallLibrary(Case.Json, bExpectedSuccess);
		const TSharedPtr<const FHostPinValue> Success = Evaluate(Node->FindPinChecked(TEXT("Success")));
		const TSharedPtr<const FHostPinValue> Values = Evaluate(Node->FindPinChecked(TEXT("String Array")));
		ASSERT_TRUE(Success.IsValid() && Values.IsValid());
		EXPECT_EQ(Success->Get<bool>(), bExpectedSuccess);
		EXPECT_EQ(Values->Get<TArray<FString>>(), ExpectedValues);
	}
}

TEST_F(FJsonToArrayTest, ValuesReachTheNodesThatReadTheOutputs)
{
	UEdGraphNode* const Node = SpawnNode();
	ASSERT_NE(Node, nullptr);
	GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*Node->FindPinChecked(TEXT("In Json")), TEXT("[\"x\", \"y\"]"));
	UK2Node_CallFunction* const ArrayOut = AddNode<UK2Node_CallFunction>([](UK2Node_CallFunction* Call)
	{
		Call->SetFromFunction(UZOVABlueprintFunctionLibrary::StaticClass()->FindFunctionByName(TEXT("OnArrayOut")));
	});
	Link(Node->FindPinChecked(TEXT("String Array")), ArrayOut->FindPinChecked(TEXT("InArray")));
	ArrayOut->FindPinChecked(TEXT("Index"))->DefaultValue = TEXT("1");
	Compile();
	ASSERT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(Evaluate(ArrayOut->GetReturnValuePin())->Get<FString>(), TEXT("y"));
	EXPECT_EQ(Node->FindPinChecked(TEXT("String Array"))->LinkedTo.Num(), 1);
}

TEST_F(FJsonToArrayTest, TextNestedPastTheLimitGivesFalseAndNoElements)
{
	struct FCase
	{
		const char* Name;
		FString Json;
		bool bSuccess;
		TArray<FString> Elements;
	};
	const FCase Cases[] = {
		{"at the limit", TEXT("[\"a\",") + JsonTextCheckCases::NestedArrays(JsonTextCheckCases::Limit - 1) + TEXT("]"), true, {TEXT("a"), JsonTextCheckCases::NestedArrays(JsonTextCheckCases::Limit - 1)}},
		{"one past the limit", TEXT("[\"a\",") + JsonTextCheckCases::NestedArrays(JsonTextCheckCases::Limit) + TEXT("]"), false, {}},
		{"a hundred thousand levels", JsonTextCheckCases::NestedArrays(100000), false, {}},
		{"a hundred thousand mismatched levels", FString::ChrN(100000, '[') + FString::ChrN(100000, '}'), false, {}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		Graph->Nodes.Reset();
		UEdGraphNode* const Node = SpawnNode();
		ASSERT_NE(Node, nullptr);
		Link(AddSource(UEdGraphSchema_K2::PC_String, Case.Json)->GetValuePin(), Node->FindPinChecked(TEXT("In Json")));
		Compile();
		ASSERT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());

		const TSharedPtr<const FHostPinValue> Success = Evaluate(Node->FindPinChecked(TEXT("Success")));
		const TSharedPtr<const FHostPinValue> Values = Evaluate(Node->FindPinChecked(TEXT("String Array")));
		ASSERT_TRUE(Success.IsValid() && Values.IsValid());
		EXPECT_EQ(Success->Get<bool>(), Case.bSuccess);
		EXPECT_EQ(Values->Get<TArray<FString>>(), Case.Elements);
	}
}
