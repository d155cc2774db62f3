#include "KeyedNodeTestFixture.h"
#include "ScopedTransaction.h"
#include "TransactionRecord.h"
#include "UObject/TextExportImport.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonCreate.h"

#include <functional>

namespace
{
	class FKeyPinEditTest : public FKeyedNodeTest
	{
	protected:
		void SetUp() override
		{
			FKeyedNodeTest::SetUp();
			Analyze = SpawnNode<UZOVAK2Node_Json>();
			Create = SpawnNode<UZOVAK2Node_JsonCreate>();
			ASSERT_TRUE(Analyze && Create);
			Graph->AddOnGraphChangedHandler(UEdGraph::FOnGraphChanged::FDelegate::CreateLambda([this](const FEdGraphEditAction&) { ++GraphNotifications; }));
			FTransactionRecord::ClearHistory();
		}

		void TearDown() override
		{
			for (UPackage* Loaded : LoadedPackages)
			{
				Loaded->RemoveFromRoot();
			}
			FTransactionRecord::ClearHistory();
			FKeyedNodeTest::TearDown();
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

		UZOVAK2Node_Json* Analyze = nullptr;
		UZOVAK2Node_JsonCreate* Create = nullptr;
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

TEST_F(FKeyPinEditTest, KeysThatMakeNoNameAreRefusedBeforeTheyBecomeOne)
{
	const FString Longest = FString::ChrN(NAME_SIZE - 1, TEXT('k'));
	const FAddCase Cases[] = {
		{TEXT("_1"), false},
		{TEXT("_25"), false},
		{TEXT("nOnE"), false},
		// A number suffix is split off and put back: the pin shows the key as typed.
		{TEXT("None_0"), true},
		{TEXT("id_1"), true},
		{TEXT("ID_1"), false},
		{TEXT("id_01"), true},
		{TEXT("id"), true},
		{Longest, true},
		// The engine would assert on these; even the one whose "_5" would leave 1023 characters is refused.
		{Longest + TEXT("k"), false},
		{Longest + TEXT("_5"), false},
		{FString::ChrN(100000, TEXT('k')), false},
	};
	TArray<FString> Added;
	for (const FAddCase& Case : Cases)
	{
		SCOPED_TRACE(testing::Message() << Case.Key.Len() << " characters: " << TCHAR_TO_UTF8(*Case.Key.Left(20)));
		EXPECT_EQ(Analyze->AddKeyPin(Case.Key, EGPD_Output), Case.bAdded);
		if (Case.bAdded)
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

TEST_F(FKeyPinEditTest, MovesAtEitherEndKeepTheOrderButStillMarkAStructuralChange)
{
	AddKeys(Analyze, EGPD_Output, {TEXT("a"), TEXT("b"), TEXT("c")});
	struct FMoveCase
	{
		bool bUp;
		const TCHAR* Key;
		TArray<FString> Expected;
	};
	const FMoveCase Cases[] = {
		{true, TEXT("a"), {TEXT("a"), TEXT("b"), TEXT("c")}},
		{false, TEXT("c"), {TEXT("a"), TEXT("b"), TEXT("c")}},
		{true, TEXT("c"), {TEXT("a"), TEXT("c"), TEXT("b")}},
		{false, TEXT("a"), {TEXT("c"), TEXT("a"), TEXT("b")}},
		{true, TEXT("b"), {TEXT("c"), TEXT("b"), TEXT("a")}},
	};
	for (const FMoveCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*FString::Printf(TEXT("%s %s"), Case.bUp ? TEXT("up") : TEXT("down"), Case.Key)));
		ResetMarks();
		UEdGraphPin* const Pin = Analyze->FindPinChecked(Case.Key, EGPD_Output);
		if (Case.bUp)
		{
			Analyze->MoveKeyPinUp(Pin);
		}
		else
		{
			Analyze->MoveKeyPinDown(Pin);
		}
		EXPECT_EQ(SavedKeys(Analyze), Case.Expected);
		TArray<FString> ExpectedPins = {TEXT("Success")};
		ExpectedPins.Append(Case.Expected);
		EXPECT_EQ(PinNamesOf(Analyze, EGPD_Output), ExpectedPins);
		EXPECT_EQ(StructuralChanges, 1);
		EXPECT_EQ(Blueprint->Status, BS_Dirty);
		EXPECT_EQ(GraphNotifications, 1);
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

TEST_F(FKeyPinEditTest, EveryEditCallsModifyBeforeItChangesTheNode)
{
	AddKeys(Analyze, EGPD_Output, {TEXT("a"), TEXT("b")});
	struct FEditCase
	{
		const char* Label;
		std::function<void()> Edit;
		bool bRecords;
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
		FString StateBefore;
		ExportObjectToText(Analyze, StateBefore);
		FTransactionRecord::ClearHistory();
		{
			FScopedTransaction Transaction(FText::FromString(TEXT("Edit")));
			Case.Edit();
		}
		const TArray<FTransactionRecordedObject>& Recorded = FTransactionRecord::GetHistory()[0].GetRecordedObjects();
		if (!Case.bRecords)
		{
			EXPECT_TRUE(Recorded.IsEmpty());
			continue;
		}
		ASSERT_FALSE(Recorded.IsEmpty());
		EXPECT_EQ(Recorded[0].Object.Get(), Analyze);
		EXPECT_EQ(Recorded[0].StateBefore, StateBefore) << "the node was recorded only after it changed";
	}
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
