#include "K2Node_CallFunction.h"
#include "KeyedNodeTestFixture.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonArrayCreate.h"
#include "ZOVAK2Node_JsonBase.h"
#include "ZOVAK2Node_JsonCreate.h"

namespace
{
	struct FExpectedPin
	{
		const TCHAR* Name;
		EEdGraphPinDirection Direction;
		FName Category;
	};

	struct FNodeCase
	{
		const char* Label;
		UClass* (*GetClass)();
		const TCHAR* ClassName;
		const TCHAR* ParentName;
		const TCHAR* Title;
		const TCHAR* Tooltip;
		TArray<FExpectedPin> Pins;
	};

	void PrintTo(const FNodeCase& Case, std::ostream* Out)
	{
		*Out << Case.Label;
	}

	const FNodeCase NodeCases[] = {
		{"JsonAnalyze", &UZOVAK2Node_Json::StaticClass, TEXT("ZOVAK2Node_Json"), TEXT("ZOVAK2Node_JsonBase"), TEXT("Json Analyze"), TEXT("Parse Json String To Out"),
			{{TEXT("In Json"), EGPD_Input, UEdGraphSchema_K2::PC_String}, {TEXT("Success"), EGPD_Output, UEdGraphSchema_K2::PC_Boolean}}},
		{"JsonCreate", &UZOVAK2Node_JsonCreate::StaticClass, TEXT("ZOVAK2Node_JsonCreate"), TEXT("ZOVAK2Node_JsonBase"), TEXT("Json Create"), TEXT("Create Json String"),
			{{TEXT("Success"), EGPD_Output, UEdGraphSchema_K2::PC_Boolean}, {TEXT("Out Json"), EGPD_Output, UEdGraphSchema_K2::PC_String}}},
		{"JsonArrayCreate", &UZOVAK2Node_JsonArrayCreate::StaticClass, TEXT("ZOVAK2Node_JsonArrayCreate"), TEXT("K2Node"), TEXT("Json Array Create"), TEXT("Create Json Array String"),
			{{TEXT("Success"), EGPD_Output, UEdGraphSchema_K2::PC_Boolean}, {TEXT("Out Json"), EGPD_Output, UEdGraphSchema_K2::PC_String}, {TEXT("[0]"), EGPD_Input, UEdGraphSchema_K2::PC_String}}},
	};

	class FNodeRegistrationTest : public FKeyedNodeTest, public testing::WithParamInterface<FNodeCase>
	{
	};

	class FRegistrationTest : public FKeyedNodeTest
	{
	};

	void ExpectZovaJsonText(const FText& Text, const TCHAR* SourceText)
	{
		EXPECT_EQ(Text.ToString(), FString(SourceText));
		EXPECT_EQ(FTextInspector::GetNamespace(Text).Get(FString()), FString(TEXT("ZOVA_Json")));
		EXPECT_EQ(FTextInspector::GetKey(Text).Get(FString()), FString(SourceText));
	}
}

TEST_F(FRegistrationTest, TheMenuListsExactlyTheFourJsonNodesUnderTheirCategory)
{
	TArray<FString> Titles;
	for (const TPair<const UObject*, FBlueprintActionDatabase::FActionList>& Entry : FBlueprintActionDatabase::Get().GetAllActions())
	{
		for (UBlueprintNodeSpawner* const Spawner : Entry.Value)
		{
			// Function calls are listed by the functions' own metadata, not by node classes.
			const UK2Node* const Template = Cast<UK2Node>(Spawner->GetTemplateNode());
			if (Template && !Template->IsA<UK2Node_CallFunction>() && Template->GetMenuCategory().ToString().Equals(TEXT("ZOVA Http Json"), ESearchCase::CaseSensitive))
			{
				Titles.Add(Template->GetNodeTitle(ENodeTitleType::MenuTitle).ToString());
			}
		}
	}
	Titles.Sort();
	EXPECT_EQ(Titles, TArray<FString>({TEXT("Json Analyze"), TEXT("Json Array Create"), TEXT("Json Create"), TEXT("Json To Array")}));

	const FBlueprintActionDatabase::FActionRegistry& Actions = FBlueprintActionDatabase::Get().GetAllActions();
	EXPECT_EQ(Actions.Find(UZOVAK2Node_JsonBase::StaticClass()), nullptr) << "the base is no node an author places";
	EXPECT_EQ(Actions.Find(FindObject<UClass>(nullptr, TEXT("/Script/ZOVAJsonEditor.ZOVAK2Node_AnalyzeArray"))), nullptr);
}

TEST_F(FRegistrationTest, KeysAndInputCountAreSavedButNotEditable)
{
	const FProperty* const PinNames = UZOVAK2Node_JsonBase::StaticClass()->FindPropertyByName(TEXT("PinNames"));
	ASSERT_NE(PinNames, nullptr);
	EXPECT_NE(CastField<FArrayProperty>(PinNames), nullptr);
	EXPECT_TRUE(PinNames->HasAnyPropertyFlags(CPF_NativeAccessSpecifierProtected));
	EXPECT_FALSE(PinNames->HasAnyPropertyFlags(CPF_Edit | CPF_BlueprintVisible | CPF_Transient));
	ASSERT_NE(PinNames->GetMetaDataMap(), nullptr);
	EXPECT_EQ(PinNames->GetMetaDataMap()->Num(), 1) << "only the module-relative path";
	EXPECT_EQ(PinNames->GetMetaData(TEXT("ModuleRelativePath")), FString(TEXT("Private/ZOVAK2Node_JsonBase.h")));

	const UClass* const ArrayCreate = UZOVAK2Node_JsonArrayCreate::StaticClass();
	const FProperty* const NumInputs = ArrayCreate->FindPropertyByName(TEXT("NumInputs"));
	ASSERT_NE(CastField<FIntProperty>(NumInputs), nullptr);
	EXPECT_TRUE(NumInputs->HasAnyPropertyFlags(CPF_NativeAccessSpecifierPrivate));
	EXPECT_FALSE(NumInputs->HasAnyPropertyFlags(CPF_Edit | CPF_BlueprintVisible | CPF_Transient));
	EXPECT_EQ(NumInputs->GetMetaData(TEXT("Comment")), FString(TEXT("// 输出数量")));
	EXPECT_EQ(NumInputs->GetMetaData(TEXT("ToolTip")), FString(TEXT("输出数量")));
	EXPECT_EQ(*NumInputs->ContainerPtrToValuePtr<int32>(ArrayCreate->GetDefaultObject()), 1);

	EXPECT_FALSE(TFieldIterator<FProperty>(UZOVAK2Node_Json::StaticClass(), EFieldIteratorFlags::ExcludeSuper));
	EXPECT_FALSE(TFieldIterator<FProperty>(UZOVAK2Node_JsonCreate::StaticClass(), EFieldIteratorFlags::ExcludeSuper));
}

TEST_P(FNodeRegistrationTest, SpawnedNodeHasItsTextsAndFixedPins)
{
	const FNodeCase& Case = GetParam();
	const UClass* const Class = Case.GetClass();
	EXPECT_EQ(Class->GetSuperClass()->GetName(), FString(Case.ParentName));
	EXPECT_TRUE(Class->HasAllClassFlags(CLASS_Native | CLASS_MinimalAPI));
	EXPECT_FALSE(Class->HasAnyClassFlags(CLASS_Abstract));
	EXPECT_EQ(Class->GetMetaData(TEXT("Comment")), FString(TEXT("/**\n * \n */")));
	EXPECT_EQ(Class->GetMetaData(TEXT("IncludePath")), FString(Case.ClassName) + TEXT(".h"));
	EXPECT_EQ(Class->GetMetaData(TEXT("ModuleRelativePath")), FString(TEXT("Private/")) + Case.ClassName + TEXT(".h"));

	UBlueprintNodeSpawner* const Spawner = FindSpawner(Class);
	ASSERT_NE(Spawner, nullptr);
	const UK2Node* const Node = Cast<UK2Node>(Spawner->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0)));
	ASSERT_NE(Node, nullptr);
	EXPECT_EQ(Node->GetClass(), Class);
	EXPECT_TRUE(Node->IsNodePure());

	const ENodeTitleType::Type TitleTypes[] = {ENodeTitleType::FullTitle, ENodeTitleType::ListView, ENodeTitleType::EditableTitle, ENodeTitleType::MenuTitle};
	for (const ENodeTitleType::Type TitleType : TitleTypes)
	{
		SCOPED_TRACE((int32)TitleType);
		ExpectZovaJsonText(Node->GetNodeTitle(TitleType), Case.Title);
	}
	ExpectZovaJsonText(Node->GetTooltipText(), Case.Tooltip);
	EXPECT_EQ(Node->GetMenuCategory().ToString(), FString(TEXT("ZOVA Http Json")));
	EXPECT_FALSE(FTextInspector::GetNamespace(Node->GetMenuCategory()).IsSet()) << "the category is not localized";

	ASSERT_EQ(Node->Pins.Num(), Case.Pins.Num());
	for (int32 Index = 0; Index < Case.Pins.Num(); ++Index)
	{
		SCOPED_TRACE(Index);
		const UEdGraphPin* const Pin = Node->Pins[Index];
		EXPECT_TRUE(Pin->PinName.ToString().Equals(Case.Pins[Index].Name, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Pin->PinName.ToString());
		EXPECT_EQ(Pin->Direction, Case.Pins[Index].Direction);
		EXPECT_EQ(Pin->PinType.PinCategory, Case.Pins[Index].Category);
		EXPECT_FALSE(Pin->PinType.IsContainer());
	}
}

INSTANTIATE_TEST_SUITE_P(JsonNodes, FNodeRegistrationTest, testing::ValuesIn(NodeCases), [](const testing::TestParamInfo<FNodeCase>& Info) { return std::string(Info.param.Label); });
