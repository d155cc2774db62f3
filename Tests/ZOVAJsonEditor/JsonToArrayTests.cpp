#include "BlueprintActionDatabase.h"
#include "BlueprintNodeSpawner.h"
#include "BlueprintTestFixture.h"
#include "Modules/ModuleManager.h"
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
