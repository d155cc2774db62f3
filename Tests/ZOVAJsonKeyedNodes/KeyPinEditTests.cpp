#include "KeyedNodeTestFixture.h"
#include "ScopedTransaction.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonCreate.h"

#include <functional>

namespace
{
	class FKeyPinEditTest : public FKeyedNodePairTest
	{
	protected:
		void SetUp() override
		{
			FKeyedNodePairTest::SetUp();
			Graph->AddOnGraphChangedHandler(UEdGraph::FOnGraphChanged::FDelegate::CreateLambda([this](const FEdGraphEditAction&) { ++GraphNotifications; }));
		}

		void TearDown() override
		{
			for (UPackage* Loaded : LoadedPackages)
			{
				Loaded->RemoveFromRoot();
			}
			FKeyedNodePairTest::TearDown();
		}

		/** The node's saved keys, read through reflection as the asset saver reads them. */
		static const TArray<FString>& SavedKeys(const UZOVAK2Node_JsonBase* Node)
		{
			const FProperty* const Property = UZOVAK2Node_JsonBase::StaticClass()->FindPropertyByName(TEXT("PinNames"));
			return *Property->ContainerPtrToValuePtr<TArray<FString>>(Node);
		}

		void AddKeys(UZOVAK2Node_JsonBase* Node, EEdGraphPinDirection Direction, const TArray<FString>& Keys)
		{
			for (const FString& Key : Keys)
			{
				ASSERT_TRUE(Node->AddKeyPin(Key, Direction)) << TCHAR_TO_UTF8(*Key);
			}
		}

		/** Forgets earlier marks, so the next edit's marks can be read. */
		void ResetMarks()
		{
			Blueprint->Status = BS_UpToDate;
			StructuralChanges = 0;
			GraphNotifications = 0;
		}

		UBlueprint* SaveAndLoad()
		{
			FString Text;
			ExportObjectToText(Blueprint, Text);
			UPackage* const LoadPackage = CreatePackage(*(Package->GetName() + TEXT("_Loaded")));
			LoadPackage->AddToRoot();
			LoadedPackages.Add(LoadPackage);
			return Cast<UBlueprint>(ImportObjectFromText(*Text, LoadPackage));
		}

		int32 GraphNotifications = 0;
		TArray<UPackage*> LoadedPackages;
	};

	struct FAddCase
	{
		FString Key;
		bool bAdded;
	};
}

TEST_F(FKeyPinEditTest, AnalyzeKeysAreUniqueIgnoringCaseAndNeverNameTheFixedOutput)
{
	const FAddCase Cases[] = {
		{TEXT("name"), true},
		{TEXT(""), false},
		{TEXT("NAME"), false},
		{TEXT("Success"), false},
		{TEXT("success"), false},
		// The fixed "In Json" is an input; a key pin of that name is an output, so the two never meet.
		{TEXT("In Json"), true},
		{TEXT("None"), false},
		{TEXT("age"), true},
	};
	for (const FAddCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Case.Key));
		ResetMarks();
		const int32 PinsBefore = Analyze->Pins.Num();
		EXPECT_EQ(Analyze->AddKeyPin(Case.Key, EGPD_Output), Case.bAdded);
		EXPECT_EQ(Analyze->Pins.Num(), PinsBefore + (Case.bAdded ? 1 : 0));
		EXPECT_EQ(Blueprint->Status, Case.bAdded ? BS_Dirty : BS_UpToDate);
		EXPECT_EQ(GraphNotifications, Case.bAdded ? 1 : 0);
		EXPECT_EQ(StructuralChanges, 0) << "adding marks the Blueprint modified, not structurally";
	}

	EXPECT_EQ(SavedKeys(Analyze), TArray<FString>({TEXT("name"), TEXT("In Json"), TEXT("age")}));
	EXPECT_EQ(PinNamesOf(Analyze, EGPD_Output), TArray<FString>({TEXT("Success"), TEXT("name"), TEXT("In Json"), TEXT("age")}));
	for (int32 Index = 2; Index < Analyze->Pins.Num(); ++Index)
	{
		const UEdGraphPin* const Pin = Analyze->Pins[Index];
		SCOPED_TRACE(TCHAR_TO_UTF8(*Pin->PinName.ToString()));
		EXPECT_EQ(Pin->Direction, EGPD_Output);
		EXPECT_EQ(Pin->PinType.PinCategory, UEdGraphSchema_K2::PC_String);
		EXPECT_TRUE(Pin->PinType.PinSubCategory.IsNone());
		EXPECT_EQ(Pin->PinType.PinSubCategoryObject.Get(), nullptr);
		EXPECT_FALSE(Pin->PinType.IsContainer() || Pin->PinType.bIsReference || Pin->PinType.bIsConst);
		EXPECT_FALSE(Pin->bAllowFriendlyName) << "the key shows exactly as typed";
	}
}

TEST_F(FKeyPinEditTest, CreateKeysMayNameItsFixedOutputsSinceKeysAreInputs)
{
	const FAddCase Cases[] = {
		{TEXT("Success"), true},
		{TEXT("Out Json"), true},
		{TEXT("out json"), false},
		{TEXT("a"), true},
		{TEXT("A"), false},
	};
	for (const FAddCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Case.Key));
		EXPECT_EQ(Create->AddKeyPin(Case.Key, EGPD_Input), Case.bAdded);
	}
	EXPECT_EQ(SavedKeys(Create), TArray<FString>({TEXT("Success"), TEXT("Out Json"), TEXT("a")}));
	EXPECT_EQ(PinNamesOf(Create, EGPD_Input), SavedKeys(Create));
	EXPECT_EQ(PinNamesOf(Create, EGPD_Output), TArray<FString>({TEXT("Success"), TEXT("Out Json")}));
}

TEST_F(FKeyPinEditTest, KeysThatMakeNoNameAreRefusedBeforeTheyBecomeOneWithAReasonForEach)
{
	const FString Longest = FString::ChrN(NAME_SIZE - 1, TEXT('k'));
	struct FNameCase
	{
		FString Key;
		const TCHAR* Reason;
	};
	const TCHAR* const TooLong = TEXT("A key may have at most 1,023 characters, the most a pin name holds.");
	const TCHAR* const NoneName = TEXT("\"None\", in any letter case, is the engine's empty name and cannot name a pin.");
	const TCHAR* const NumberOnly = TEXT("An underscore and a number alone make an empty name with a number, which cannot name a pin.");
	const FNameCase Cases[] = {
		{TEXT("_1"), NumberOnly},
		{TEXT("_25"), NumberOnly},
		{TEXT("None"), NoneName},
		{TEXT("none"), NoneName},
		{TEXT("nOnE"), NoneName},
		// A number suffix is split off and put back: the pin shows the key as typed.
		{TEXT("None_0"), nullptr},
		{TEXT("id_1"), nullptr},
		{TEXT("ID_1"), TEXT("The node already has this key; keys are compared ignoring letter case.")},
		{TEXT("id_01"), nullptr},
		{TEXT("id"), nullptr},
		{Longest, nullptr},
		// The engine would assert on these; even the one whose "_5" would leave 1023 characters is refused.
		{Longest + TEXT("k"), TooLong},
		{Longest + TEXT("_5"), TooLong},
		{FString::ChrN(100000, TEXT('k')), TooLong},
		{TEXT(""), TEXT("A key may not be empty.")},
		// A name would end at the NUL and name the pin "a".
		{FString::ConstructFromPtrSize(TEXT("a\0b"), 3), TEXT("A key may not hold the character U+0000, where a pin name ends.")},
		{TEXT("SUCCESS"), TEXT("One of the node's own pins on this side already has this name.")},
	};
	TArray<FString> Added;
	for (const FNameCase& Case : Cases)
	{
		SCOPED_TRACE(testing::Message() << Case.Key.Len() << " characters: " << TCHAR_TO_UTF8(*Case.Key.Left(20)));
		const FString Refusal = Analyze->GetKeyRefusal(Case.Key, EGPD_Output).ToString();
		EXPECT_TRUE(Refusal.Equals(Case.Reason ? Case.Reason : TEXT(""), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Refusal);
		EXPECT_EQ(Analyze->AddKeyPin(Case.Key, EGPD_Output), Case.Reason == nullptr);
		if (!Case.Reason)
		{
			Added.Add(Case.Key);
			const UEdGraphPin* const Pin = Analyze->FindPin(Case.Key, EGPD_Output);
			ASSERT_NE(Pin, nullptr);
			EXPECT_TRUE(Pin->PinName.ToString().Equals(Case.Key, ESearchCase::CaseSensitive));
		}
	}
	EXPECT_EQ(SavedKeys(Analyze), Added);
	TArray<FString> OutputPins = {TEXT("Success")};
	OutputPins += Added;
	EXPECT_EQ(PinNamesOf(Analyze, EGPD_Output), OutputPins);
}

TEST_F(FKeyPinEditTest, EveryKeyMovesUpAndDownFromEveryPositionAndTheEndsStayPut)
{
	struct FMoveCase
	{
		bool bUp;
		int32 Position;
		TArray<FString> Expected;
	};
	const FMoveCase Cases[] = {
		{true, 0, {TEXT("a"), TEXT("b"), TEXT("c"), TEXT("d")}},
		{true, 1, {TEXT("b"), TEXT("a"), TEXT("c"), TEXT("d")}},
		{true, 2, {TEXT("a"), TEXT("c"), TEXT("b"), TEXT("d")}},
		{true, 3, {TEXT("a"), TEXT("b"), TEXT("d"), TEXT("c")}},
		{false, 0, {TEXT("b"), TEXT("a"), TEXT("c"), TEXT("d")}},
		{false, 1, {TEXT("a"), TEXT("c"), TEXT("b"), TEXT("d")}},
		{false, 2, {TEXT("a"), TEXT("b"), TEXT("d"), TEXT("c")}},
		{false, 3, {TEXT("a"), TEXT("b"), TEXT("c"), TEXT("d")}},
	};
	for (const FMoveCase& Case : Cases)
	{
		SCOPED_TRACE(testing::Message() << (Case.bUp ? "up" : "down") << " from position " << Case.Position);
		UZOVAK2Node_Json* const Node = SpawnNode<UZOVAK2Node_Json>();
		ASSERT_NE(Node, nullptr);
		AddKeys(Node, EGPD_Output, {TEXT("a"), TEXT("b"), TEXT("c"), TEXT("d")});
		ResetMarks();
		UEdGraphPin* const Pin = Node->FindPinChecked(SavedKeys(Node)[Case.Position], EGPD_Output);
		if (Case.bUp)
		{
			Node->MoveKeyPinUp(Pin);
		}
		else
		{
			Node->MoveKeyPinDown(Pin);
		}
		EXPECT_EQ(SavedKeys(Node), Case.Expected);
		TArray<FString> ExpectedPins = {TEXT("Success")};
		ExpectedPins.Append(Case.Expected);
		EXPECT_EQ(PinNamesOf(Node, EGPD_Output), ExpectedPins);
		EXPECT_EQ(StructuralChanges, 1) << "a move at an end still reports a structural change";
		EXPECT_EQ(Blueprint->Status, BS_Dirty);
		EXPECT_EQ(GraphNotifications, 1);

		Node->ReconstructNode();
		EXPECT_EQ(PinNamesOf(Node, EGPD_Output), ExpectedPins) << "the saved keys and the pins moved together";
	}
}

TEST_F(FKeyPinEditTest, RemovingAKeyBreaksItsLinksAndKeepsTheOthersInOrder)
{
	AddKeys(Analyze, EGPD_Output, {TEXT("a"), TEXT("b"), TEXT("c")});
	AddKeys(Create, EGPD_Input, {TEXT("x")});
	UEdGraphPin* const Consumer = Create->FindPinChecked(TEXT("x"), EGPD_Input);
	Link(Analyze->FindPinChecked(TEXT("b"), EGPD_Output), Consumer);

	ResetMarks();
	Analyze->RemoveKeyPin(Analyze->FindPinChecked(TEXT("b"), EGPD_Output));
	EXPECT_TRUE(Consumer->LinkedTo.IsEmpty());
	EXPECT_EQ(SavedKeys(Analyze), TArray<FString>({TEXT("a"), TEXT("c")}));
	EXPECT_EQ(StructuralChanges, 1);
	EXPECT_EQ(GraphNotifications, 1);

	Analyze->ReconstructNode();
	EXPECT_EQ(PinNamesOf(Analyze, EGPD_Output), TArray<FString>({TEXT("Success"), TEXT("a"), TEXT("c")}));
}

TEST_F(FKeyPinEditTest, FixedPinsAreNeverRemovedOrMoved)
{
	AddKeys(Analyze, EGPD_Output, {TEXT("In Json"), TEXT("a")});
	AddKeys(Create, EGPD_Input, {TEXT("Out Json"), TEXT("Success")});
	UEdGraphPin* const FixedPins[] = {
		Analyze->FindPinChecked(TEXT("In Json"), EGPD_Input),
		Analyze->FindPinChecked(TEXT("Success"), EGPD_Output),
		Create->FindPinChecked(TEXT("Out Json"), EGPD_Output),
		Create->FindPinChecked(TEXT("Success"), EGPD_Output),
	};
	for (UEdGraphPin* const Pin : FixedPins)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Pin->GetName()));
		UZOVAK2Node_JsonBase* const Node = CastChecked<UZOVAK2Node_JsonBase>(Pin->GetOwningNode());
		const TArray<UEdGraphPin*> PinsBefore = Node->Pins;
		const TArray<FString> KeysBefore = SavedKeys(Node);
		ResetMarks();
		Node->MoveKeyPinDown(Pin);
		Node->MoveKeyPinUp(Pin);
		Node->RemoveKeyPin(Pin);
		EXPECT_EQ(Node->Pins, PinsBefore);
		EXPECT_EQ(SavedKeys(Node), KeysBefore);
		EXPECT_EQ(StructuralChanges, 0);
		EXPECT_EQ(Blueprint->Status, BS_UpToDate);
	}
}

TEST_F(FKeyPinEditTest, EditsRecordTheNodeBeforeChangingItInTheCallersTransaction)
{
	AddKeys(Analyze, EGPD_Output, {TEXT("a"), TEXT("b")});
	struct FEditCase
	{
		const char* Label;
		std::function<void()> Edit;
		bool bChanges;
	};
	const FEditCase Cases[] = {
		{"add", [this]() { Analyze->AddKeyPin(TEXT("c"), EGPD_Output); }, true},
		{"refused add", [this]() { Analyze->AddKeyPin(TEXT("A"), EGPD_Output); }, false},
		{"move up", [this]() { Analyze->MoveKeyPinUp(Analyze->FindPinChecked(TEXT("c"), EGPD_Output)); }, true},
		{"move down", [this]() { Analyze->MoveKeyPinDown(Analyze->FindPinChecked(TEXT("a"), EGPD_Output)); }, true},
		{"remove", [this]() { Analyze->RemoveKeyPin(Analyze->FindPinChecked(TEXT("b"), EGPD_Output)); }, true},
	};
	for (const FEditCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Label);
		const FString Before = DescribeNode(Analyze);
		const int32 QueueBefore = GEditor->Trans->GetQueueLength();
		{
			FScopedTransaction Transaction(FText::FromString(TEXT("Edit")));
			Case.Edit();
		}
		ASSERT_EQ(GEditor->Trans->GetQueueLength(), QueueBefore + (Case.bChanges ? 1 : 0));
		if (!Case.bChanges)
		{
			continue;
		}
		const FString After = DescribeNode(Analyze);
		ASSERT_TRUE(GEditor->UndoTransaction());
		EXPECT_EQ(DescribeNode(Analyze), Before) << "the node was recorded before it changed";
		ASSERT_TRUE(GEditor->RedoTransaction());
		EXPECT_EQ(DescribeNode(Analyze), After);
	}

	// The edits open none of their own: without one, nothing is recorded, and two in one undo together.
	GEditor->ResetTransaction(FText::FromString(TEXT("Test")));
	Analyze->AddKeyPin(TEXT("loose"), EGPD_Output);
	EXPECT_EQ(GEditor->Trans->GetQueueLength(), 0);
	const FString BeforeBoth = DescribeNode(Analyze);
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Both")));
		Analyze->AddKeyPin(TEXT("x"), EGPD_Output);
		Analyze->MoveKeyPinUp(Analyze->FindPinChecked(TEXT("x"), EGPD_Output));
	}
	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_EQ(DescribeNode(Analyze), BeforeBoth);
}

TEST_F(FKeyPinEditTest, SaveLoadAndReconstructKeepTheKeyOrderAndLinks)
{
	AddKeys(Analyze, EGPD_Output, {TEXT("a"), TEXT("b"), TEXT("c")});
	Analyze->MoveKeyPinUp(Analyze->FindPinChecked(TEXT("c"), EGPD_Output));
	AddKeys(Create, EGPD_Input, {TEXT("x")});
	Link(Analyze->FindPinChecked(TEXT("c"), EGPD_Output), Create->FindPinChecked(TEXT("x"), EGPD_Input));

	UBlueprint* const Loaded = SaveAndLoad();
	ASSERT_NE(Loaded, nullptr);
	UZOVAK2Node_Json* LoadedAnalyze = nullptr;
	UZOVAK2Node_JsonCreate* LoadedCreate = nullptr;
	for (UEdGraphNode* const Node : Loaded->UbergraphPages[0]->Nodes)
	{
		LoadedAnalyze = LoadedAnalyze ? LoadedAnalyze : Cast<UZOVAK2Node_Json>(Node);
		LoadedCreate = LoadedCreate ? LoadedCreate : Cast<UZOVAK2Node_JsonCreate>(Node);
	}
	ASSERT_TRUE(LoadedAnalyze && LoadedCreate);
	const TArray<FString> ExpectedKeys = {TEXT("a"), TEXT("c"), TEXT("b")};
	const TArray<FString> ExpectedOutputs = {TEXT("Success"), TEXT("a"), TEXT("c"), TEXT("b")};
	EXPECT_EQ(SavedKeys(LoadedAnalyze), ExpectedKeys);
	EXPECT_EQ(PinNamesOf(LoadedAnalyze, EGPD_Output), ExpectedOutputs);

	LoadedAnalyze->ReconstructNode();
	LoadedCreate->ReconstructNode();
	EXPECT_EQ(PinNamesOf(LoadedAnalyze, EGPD_Output), ExpectedOutputs);
	const UEdGraphPin* const LoadedKey = LoadedAnalyze->FindPinChecked(TEXT("c"), EGPD_Output);
	ASSERT_EQ(LoadedKey->LinkedTo.Num(), 1);
	EXPECT_EQ(LoadedKey->LinkedTo[0], LoadedCreate->FindPinChecked(TEXT("x"), EGPD_Input));
	EXPECT_FALSE(LoadedKey->bAllowFriendlyName);
}
