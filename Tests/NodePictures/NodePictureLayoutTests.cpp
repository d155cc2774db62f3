#include "EdGraphSchema_K2.h"
#include "K2Node_CallFunction.h"
#include "KeyedNodeTestFixture.h"
#include "NodeFactory.h"
#include "NodePicture.h"
#include "Rendering/SlateSvgPainter.h"
#include "Styling/AppStyle.h"
#include "Widgets/SBoxPanel.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonCreate.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace
{
	/** A node from the action menu with the widget the graph panel shows for it. */
	struct FShownNode
	{
		std::string Title;
		UEdGraphNode* Node = nullptr;
		TSharedPtr<SGraphNode> Widget;
	};

	class FNodePictureTest : public FKeyedNodeTest
	{
	protected:
		void SetUp() override
		{
			FKeyedNodeTest::SetUp();
			FModuleManager::Get().LoadModuleChecked(TEXT("ZOVAHttp"));
		}

		/** Every node of its own class the plug-ins put in the action menu (the function calls aside), placed. */
		std::vector<FShownNode> PlaceMenuNodes()
		{
			std::vector<FShownNode> Nodes;
			for (const TPair<const UObject*, FBlueprintActionDatabase::FActionList>& Action : FBlueprintActionDatabase::Get().GetAllActions())
			{
				if (!Action.Key->GetOutermost()->GetName().StartsWith(TEXT("/Script/ZOVA")))
				{
					continue;
				}
				for (UBlueprintNodeSpawner* Spawner : Action.Value)
				{
					const UEdGraphNode* const Template = Spawner->GetTemplateNode();
					if (Template && !Template->IsA<UK2Node_CallFunction>())
					{
						UEdGraphNode* const Node = Spawner->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0));
						Nodes.push_back({TCHAR_TO_UTF8(*Spawner->PrimeDefaultUiSpec().MenuName.ToString()), Node, FNodeFactory::CreateNodeWidget(Node)});
					}
				}
			}
			return Nodes;
		}

		static FPicture Paint(const TSharedRef<SGraphNode>& Widget)
		{
			const std::string Svg = FSlateSvgPainter::PaintWidget(Widget, TEXT("Picture"), FAppStyle::GetBrush(TEXT("Graph.Panel.SolidBackground")), 12.0f);
			FPicture Picture;
			std::string Error;
			EXPECT_TRUE(ReadPicture(Svg, Picture, Error)) << Error;
			return Picture;
		}

		/** The texts of a column of the live widget tree, top to bottom. */
		static std::vector<std::string> TreeTexts(const TSharedPtr<SVerticalBox>& Column)
		{
			std::vector<std::string> Texts;
			for (const TSharedRef<STextBlock>& Text : FWidgetInspector::FindWidgetsOfType<STextBlock>(Column.ToSharedRef()))
			{
				if (!Text->GetText().IsEmpty())
				{
					Texts.push_back(TCHAR_TO_UTF8(*Text->GetText().ToString()));
				}
			}
			return Texts;
		}

		/** The columns of the live widget tree: the two vertical boxes side by side. */
		static TSharedPtr<SVerticalBox> TreeColumn(const TSharedRef<SGraphNode>& Widget, int32 Side)
		{
			for (const TSharedRef<SHorizontalBox>& Box : FWidgetInspector::FindWidgetsOfType<SHorizontalBox>(Widget))
			{
				if (Box->NumSlots() == 2 && Box->GetSlot(0).GetWidget()->GetType() == TEXT("SVerticalBox") && Box->GetSlot(1).GetWidget()->GetType() == TEXT("SVerticalBox"))
				{
					return StaticCastSharedRef<SVerticalBox>(Box->GetSlot(Side).GetWidget());
				}
			}
			return TSharedPtr<SVerticalBox>();
		}

		/** The labels the node's visible pins of a direction show, in pin order; the unnamed execution pins show none. */
		static std::vector<std::string> PinLabels(const UEdGraphNode* Node, EEdGraphPinDirection Direction)
		{
			std::vector<std::string> Labels;
			for (const UEdGraphPin* Pin : Node->Pins)
			{
				const bool bUnnamedExec = Pin->PinType.PinCategory == UEdGraphSchema_K2::PC_Exec && (Pin->PinName == UEdGraphSchema_K2::PN_Execute || Pin->PinName == UEdGraphSchema_K2::PN_Then);
				if (Pin->Direction == Direction && !Pin->bHidden && !bUnnamedExec)
				{
					Labels.push_back(TCHAR_TO_UTF8(*Pin->GetDisplayName().ToString()));
				}
			}
			return Labels;
		}

		static void ExpectTextsInTreeOrderAndColumn(const FShownNode& Shown, const FPicture& Picture)
		{
			const TSharedRef<SGraphNode> Widget = Shown.Widget.ToSharedRef();
			std::vector<std::string> AllTexts = {TCHAR_TO_UTF8(*Shown.Node->GetNodeTitle(ENodeTitleType::FullTitle).ToString())};
			for (int32 Side = 0; Side < 2; ++Side)
			{
				SCOPED_TRACE(Side == 0 ? "input column" : "output column");
				const FPictureWidget* const Column = Picture.GetColumn(Side);
				ASSERT_NE(Column, nullptr);
				const std::vector<std::string> Texts = Column->Texts();
				EXPECT_EQ(Texts, TreeTexts(TreeColumn(Widget, Side)));
				const std::vector<std::string> Pins = PinLabels(Shown.Node, Side == 0 ? EGPD_Input : EGPD_Output);
				ASSERT_GE(Texts.size(), Pins.size());
				EXPECT_EQ(std::vector<std::string>(Texts.begin(), Texts.begin() + Pins.size()), Pins) << "the pins first, in pin order";
				AllTexts.insert(AllTexts.end(), Texts.begin(), Texts.end());
			}
			EXPECT_EQ(Picture.Node.Texts(), AllTexts) << "the title, then each column, and nothing drawn twice";
		}

		/** The drawn leaves: texts, images and text boxes. */
		static std::vector<const FPictureWidget*> Leaves(const FPicture& Picture)
		{
			return Picture.Node.FindAll([](const FPictureWidget& Widget)
			{
				return Widget.Type == "STextBlock" || Widget.Type == "SImage" || Widget.Type == "SEditableTextBox";
			});
		}

		static void ExpectNothingOverlaps(const FPicture& Picture)
		{
			const std::vector<const FPictureWidget*> Drawn = Leaves(Picture);
			ASSERT_GT(Drawn.size(), 3u);
			for (size_t Index = 0; Index < Drawn.size(); ++Index)
			{
				const FPictureWidget& A = *Drawn[Index];
				EXPECT_TRUE(A.X >= Picture.Node.X && A.Y >= Picture.Node.Y && A.Right() <= Picture.Node.Right() && A.Bottom() <= Picture.Node.Bottom()) << A.Type << " \"" << A.Text << "\" lies outside the node";
				for (size_t Other = Index + 1; Other < Drawn.size(); ++Other)
				{
					const FPictureWidget& B = *Drawn[Other];
					const double Across = std::min(A.Right(), B.Right()) - std::max(A.X, B.X);
					const double Down = std::min(A.Bottom(), B.Bottom()) - std::max(A.Y, B.Y);
					EXPECT_FALSE(Across > 0.01 && Down > 0.01) << A.Type << " \"" << A.Text << "\" overlaps " << B.Type << " \"" << B.Text << "\"";
				}
			}
		}

		/** The node's picture after the key is typed and added through its widget. */
		FPicture PaintWithKey(UClass* NodeClass, const FString& Key)
		{
			UEdGraphNode* const Node = FindSpawner(NodeClass)->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0));
			const TSharedRef<SGraphNode> Widget = FNodeFactory::CreateNodeWidget(Node).ToSharedRef();
			TypeKeyAndAdd(Widget, Key);
			return Paint(Widget);
		}
	};

	const TCHAR* const ExampleKeys[] = {TEXT("name"), TEXT("age"), TEXT("city")};
}

TEST_F(FNodePictureTest, EveryPinAndWidgetTextIsDrawnOnceInTheColumnAndOrderOfTheWidgetTree)
{
	const std::vector<FShownNode> Nodes = PlaceMenuNodes();
	ASSERT_EQ(Nodes.size(), 7u) << "four JSON nodes and three request nodes";
	for (const FShownNode& Shown : Nodes)
	{
		SCOPED_TRACE(Shown.Title);
		ExpectTextsInTreeOrderAndColumn(Shown, Paint(Shown.Widget.ToSharedRef()));
		if (FindKeyBox(Shown.Widget.ToSharedRef()).IsValid())
		{
			for (const TCHAR* Key : ExampleKeys)
			{
				TypeKeyAndAdd(Shown.Widget.ToSharedRef(), Key);
			}
			SCOPED_TRACE("with three keys");
			ExpectTextsInTreeOrderAndColumn(Shown, Paint(Shown.Widget.ToSharedRef()));
		}
	}
}

TEST_F(FNodePictureTest, NothingOverlapsAndEverythingLiesOnTheNode)
{
	for (const FShownNode& Shown : PlaceMenuNodes())
	{
		SCOPED_TRACE(Shown.Title);
		ExpectNothingOverlaps(Paint(Shown.Widget.ToSharedRef()));
	}
}

TEST_F(FNodePictureTest, TheKeyRowSitsBelowThePinsOfItsColumn)
{
	const UClass* const KeyedClasses[] = {UZOVAK2Node_Json::StaticClass(), UZOVAK2Node_JsonCreate::StaticClass()};
	for (const UClass* NodeClass : KeyedClasses)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*NodeClass->GetName()));
		UEdGraphNode* const Node = FindSpawner(NodeClass)->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0));
		const TSharedRef<SGraphNode> Widget = FNodeFactory::CreateNodeWidget(Node).ToSharedRef();
		for (const TCHAR* Key : ExampleKeys)
		{
			TypeKeyAndAdd(Widget, Key);
		}
		const FPicture Picture = Paint(Widget);
		const std::vector<const FPictureWidget*> KeyBoxes = Picture.Node.FindAll([](const FPictureWidget& Candidate) { return Candidate.Tag == "TextBox"; });
		ASSERT_EQ(KeyBoxes.size(), 1u);
		const FPictureWidget* KeyColumn = nullptr;
		for (int32 Side = 0; Side < 2; ++Side)
		{
			if (!Picture.GetColumn(Side)->FindAll([](const FPictureWidget& Candidate) { return Candidate.Tag == "TextBox"; }).empty())
			{
				KeyColumn = Picture.GetColumn(Side);
			}
		}
		ASSERT_NE(KeyColumn, nullptr);
		const std::vector<const FPictureWidget*> Pins = KeyColumn->FindAll([](const FPictureWidget& Candidate) { return Candidate.IsPin(); });
		ASSERT_GE(Pins.size(), 3u);
		EXPECT_EQ(KeyColumn->FindAll([](const FPictureWidget& Candidate) { return Candidate.Text == "Add Json Key"; }).size(), 1u) << "the button sits in the key box's column";
		for (const FPictureWidget* Pin : Pins)
		{
			EXPECT_GE(KeyBoxes[0]->Y, Pin->Bottom()) << "pin at " << Pin->Y;
		}
		ExpectNothingOverlaps(Picture);
	}
}

TEST_F(FNodePictureTest, AFortyCharacterChineseKeyWidensTheNodeByItsWideCharacters)
{
	const FString ChineseKey = TEXT("用户资料地址城市名称电话号码邮箱账号密码头像等级金币成绩版本签名经验进度关卡应用");
	// Narrow letters outside ASCII: one advance each, the advance a wide character takes twice.
	const FString NarrowKey = TEXT("éèêëàâäôöûüùçñíóúýÿœéèêëàâäôöûüùçñíóúýÿœ");
	ASSERT_EQ(ChineseKey.Len(), 40);
	ASSERT_EQ(NarrowKey.Len(), 40);
	UClass* const KeyedClasses[] = {UZOVAK2Node_Json::StaticClass(), UZOVAK2Node_JsonCreate::StaticClass()};
	for (UClass* NodeClass : KeyedClasses)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*NodeClass->GetName()));
		const FPicture Short = PaintWithKey(NodeClass, TEXT("a"));
		const FPicture Narrow = PaintWithKey(NodeClass, NarrowKey);
		const FPicture Chinese = PaintWithKey(NodeClass, ChineseKey);

		const std::string ChineseUtf8 = TCHAR_TO_UTF8(*ChineseKey);
		const std::vector<const FPictureWidget*> ChineseLabels = Chinese.Node.FindAll([&ChineseUtf8](const FPictureWidget& Candidate) { return Candidate.Text == ChineseUtf8; });
		const std::string NarrowUtf8 = TCHAR_TO_UTF8(*NarrowKey);
		const std::vector<const FPictureWidget*> NarrowLabels = Narrow.Node.FindAll([&NarrowUtf8](const FPictureWidget& Candidate) { return Candidate.Text == NarrowUtf8; });
		ASSERT_EQ(ChineseLabels.size(), 1u);
		ASSERT_EQ(NarrowLabels.size(), 1u);
		EXPECT_NEAR(ChineseLabels[0]->TextWidth, 2.0 * NarrowLabels[0]->TextWidth, 0.01) << "each Chinese character takes two advances";
		EXPECT_GT(Narrow.Node.Width, Short.Node.Width);
		EXPECT_GT(Chinese.Node.Width, Narrow.Node.Width);
		EXPECT_GT(Chinese.Width, Chinese.Node.Width) << "the picture grows with the node";
		ExpectNothingOverlaps(Chinese);
	}
}

// UE 5.4 and 5.8, BlueprintGraph/Private/K2Node_BaseAsyncTask.cpp (a delegate's pin is named by the property's
// display name), EdGraphSchema_K2.cpp (GetPinDisplayName) and CoreUObject/Private/UObject/Field.cpp
TEST_F(FNodePictureTest, EveryNodeShowsItsPinsAsTheBlueprintEditorNamesThem)
{
	struct FExpected
	{
		std::vector<std::string> Inputs;
		std::vector<std::string> Outputs;
	};
	const std::vector<std::string> RequestOutputs = {"On Success", "On Fail", "Code", "Data"};
	const std::map<std::string, FExpected> ExpectedByTitle = {
		{"Json Analyze", {{"In Json"}, {"Success"}}},
		{"Json Create", {{}, {"Success", "Out Json"}}},
		{"Json Array Create", {{"[ 0]"}, {"Success", "Out Json"}}},
		{"Json To Array", {{"In Json"}, {"Success", "String Array"}}},
		{"Http Get Request", {{"Url"}, RequestOutputs}},
		{"Http Post Request（Json）", {{"Url", "Json"}, RequestOutputs}},
		{"Http Post Request（Form）", {{"Url", "Form"}, RequestOutputs}},
	};
	const std::vector<FShownNode> Nodes = PlaceMenuNodes();
	ASSERT_EQ(Nodes.size(), ExpectedByTitle.size());
	for (const FShownNode& Shown : Nodes)
	{
		SCOPED_TRACE(Shown.Title);
		ASSERT_EQ(ExpectedByTitle.count(Shown.Title), 1u);
		const FExpected& Expected = ExpectedByTitle.at(Shown.Title);
		const FPicture Picture = Paint(Shown.Widget.ToSharedRef());
		for (int32 Side = 0; Side < 2; ++Side)
		{
			const std::vector<std::string>& Labels = Side == 0 ? Expected.Inputs : Expected.Outputs;
			const std::vector<std::string> Texts = Picture.GetColumn(Side)->Texts();
			ASSERT_GE(Texts.size(), Labels.size());
			EXPECT_EQ(std::vector<std::string>(Texts.begin(), Texts.begin() + Labels.size()), Labels) << (Side == 0 ? "inputs" : "outputs");
		}
	}

	// A key is shown exactly as typed, never in display form.
	const std::string Key = "user_id";
	for (UClass* NodeClass : {UZOVAK2Node_Json::StaticClass(), UZOVAK2Node_JsonCreate::StaticClass()})
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*NodeClass->GetName()));
		const FPicture Picture = PaintWithKey(NodeClass, TEXT("user_id"));
		EXPECT_EQ(Picture.Node.FindAll([&Key](const FPictureWidget& Candidate) { return Candidate.IsPin() && Candidate.Texts() == std::vector<std::string>({Key}); }).size(), 1u);
	}
}
