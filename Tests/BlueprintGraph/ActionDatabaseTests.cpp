#include "BlueprintActionDatabase.h"
#include "BlueprintFunctionNodeSpawner.h"
#include "BlueprintNodeSpawner.h"
#include "BlueprintTestFixture.h"
#include "GraphTestTypes.h"
#include "K2Node_CallFunction.h"

class FActionDatabaseTest : public FBlueprintTest
{
protected:
	const FBlueprintActionDatabase::FActionList* FindActions(const UObject* Key)
	{
		return FBlueprintActionDatabase::Get().GetAllActions().Find(Key);
	}
};

TEST_F(FActionDatabaseTest, CallableFunctionsAreListedUnderTheirClass)
{
	const FBlueprintActionDatabase::FActionList* const Actions = FindActions(UGraphTestLibrary::StaticClass());
	ASSERT_NE(Actions, nullptr);
	TArray<FString> Functions;
	for (UBlueprintNodeSpawner* Spawner : *Actions)
	{
		const UBlueprintFunctionNodeSpawner* const FunctionSpawner = Cast<UBlueprintFunctionNodeSpawner>(Spawner);
		ASSERT_NE(FunctionSpawner, nullptr);
		Functions.Add(FunctionSpawner->GetFunction()->GetName());
	}
	Functions.Sort();
	EXPECT_EQ(Functions, TArray<FString>({TEXT("CountPairs"), TEXT("CountTagged"), TEXT("CountWords"), TEXT("JoinWords"), TEXT("NextTicket"), TEXT("RecordWord"), TEXT("Scale"), TEXT("SplitWords")})) << "not the internal-use function";

	UBlueprintNodeSpawner* const* JoinSpawner = Actions->FindByPredicate([](const UBlueprintNodeSpawner* Spawner)
	{
		return CastChecked<UBlueprintFunctionNodeSpawner>(Spawner)->GetFunction()->GetName() == TEXT("JoinWords");
	});
	ASSERT_NE(JoinSpawner, nullptr);
	const UK2Node_CallFunction* const Template = Cast<UK2Node_CallFunction>((*JoinSpawner)->GetTemplateNode());
	ASSERT_NE(Template, nullptr);
	EXPECT_EQ(Template->GetNodeTitle(ENodeTitleType::MenuTitle).ToString(), TEXT("Join Words"));
	EXPECT_EQ(Template->GetMenuCategory().ToString(), TEXT("Graph Test"));
	EXPECT_TRUE(Template->GetTooltipText().ToString().Equals(TEXT("Joins two words with a space.\n\nTarget is Graph Test Library"), ESearchCase::CaseSensitive)) << "the class by its display name";
	EXPECT_EQ((*JoinSpawner)->GetTemplateNode(), Template) << "made once";
	EXPECT_NE(Template->GetGraph(), Graph);
}

TEST_F(FActionDatabaseTest, NodeClassesRegisterThroughTheirDefaultObject)
{
	const FBlueprintActionDatabase::FActionList* const Actions = FindActions(UGraphTestExpandingNode::StaticClass());
	ASSERT_NE(Actions, nullptr);
	ASSERT_EQ(Actions->Num(), 1);
	EXPECT_EQ((*Actions)[0]->NodeClass.Get(), UGraphTestExpandingNode::StaticClass());
	EXPECT_EQ(FindActions(UGraphTestNode::StaticClass()), nullptr) << "a node without GetMenuActions is not listed";

	UBlueprintNodeSpawner* const Before = (*Actions)[0];
	FBlueprintActionDatabase::Get().RefreshClassActions(UGraphTestExpandingNode::StaticClass());
	const FBlueprintActionDatabase::FActionList* const Refreshed = FindActions(UGraphTestExpandingNode::StaticClass());
	ASSERT_NE(Refreshed, nullptr);
	ASSERT_EQ(Refreshed->Num(), 1);
	EXPECT_NE((*Refreshed)[0], Before);
	EXPECT_NE(FindActions(UGraphTestLibrary::StaticClass()), nullptr) << "other keys stay";
}

TEST_F(FActionDatabaseTest, InvokingASpawnerPlacesACustomizedNodeWithItsPins)
{
	int32 PinsWhenCustomized = INDEX_NONE;
	bool bWasTemplate = true;
	UBlueprintNodeSpawner* const Spawner = UBlueprintNodeSpawner::Create<UGraphTestExpandingNode>(nullptr, UBlueprintNodeSpawner::FCustomizeNodeDelegate::CreateLambda([&](UEdGraphNode* Node, bool bIsTemplateNode)
	{
		PinsWhenCustomized = Node->Pins.Num();
		bWasTemplate = bIsTemplateNode;
		CastChecked<UGraphTestExpandingNode>(Node)->Suffix = TEXT("customized");
	}));

	UEdGraphNode* const Node = Spawner->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(120.0, -40.0));
	ASSERT_NE(Node, nullptr);
	EXPECT_TRUE(Graph->Nodes.Contains(Node));
	EXPECT_EQ(Node->GetGraph(), Graph);
	EXPECT_EQ(Node->NodePosX, 120);
	EXPECT_EQ(Node->NodePosY, -40);
	EXPECT_TRUE(Node->NodeGuid.IsValid());
	EXPECT_EQ(Node->Pins.Num(), 2);
	EXPECT_EQ(PinsWhenCustomized, 0) << "the delegate runs before the pins are made";
	EXPECT_FALSE(bWasTemplate);
	EXPECT_EQ(CastChecked<UGraphTestExpandingNode>(Node)->Suffix, TEXT("customized"));

	EXPECT_NE(Spawner->GetTemplateNode(), nullptr);
	EXPECT_TRUE(bWasTemplate);
	EXPECT_EQ(Graph->Nodes.Num(), 1) << "the template lives elsewhere";
}
