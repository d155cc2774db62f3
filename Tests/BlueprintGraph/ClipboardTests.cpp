#include "BlueprintTestFixture.h"
#include "EdGraphUtilities.h"
#include "GraphTestTypes.h"
#include "K2Node_CallFunction.h"
#include "K2Node_MakeArray.h"
#include "K2Node_MakeMap.h"
#include "LogCapture.h"

class FClipboardTest : public FBlueprintTest
{
protected:
	/** Makes a second graph in the Blueprint to paste into. */
	UEdGraph* AddGraph(const TCHAR* Name)
	{
		UEdGraph* const Other = NewObject<UEdGraph>(Blueprint, FName(Name));
		Other->Schema = UEdGraphSchema_K2::StaticClass();
		Blueprint->UbergraphPages.Add(Other);
		return Other;
	}

	static TArray<UEdGraphNode*> Paste(UEdGraph* Into, const FString& Text)
	{
		TArray<UEdGraphNode*> Pasted;
		FEdGraphUtilities::ImportNodesFromText(Into, Text, Pasted);
		return Pasted;
	}

	static UEdGraphNode* FindNode(const TArray<UEdGraphNode*>& Nodes, const TCHAR* Name)
	{
		for (UEdGraphNode* Node : Nodes)
		{
			if (Node->GetName() == Name)
			{
				return Node;
			}
		}
		return nullptr;
	}

	UK2Node_CallFunction* AddCall(const TCHAR* FunctionName)
	{
		return AddNode<UK2Node_CallFunction>([FunctionName](UK2Node_CallFunction* Node)
		{
			Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(FunctionName));
		});
	}

	/** A word-count network: a Make Array of two typed words feeding "CountWords". */
	UK2Node_CallFunction* AddCountOfTwoWords(UK2Node_MakeArray*& OutMakeArray)
	{
		OutMakeArray = AddNode<UK2Node_MakeArray>();
		UK2Node_CallFunction* const Count = AddNode<UK2Node_CallFunction>([](UK2Node_CallFunction* Node)
		{
			Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(TEXT("CountWords")));
		});
		Link(OutMakeArray->GetOutputPin(), Count->FindPinChecked(TEXT("Words")));
		OutMakeArray->AddInputPin();
		OutMakeArray->FindPinChecked(TEXT("[0]"))->DefaultValue = TEXT("one two");
		OutMakeArray->FindPinChecked(TEXT("[1]"))->DefaultValue = TEXT("three");
		return Count;
	}
};

// UE 5.4, 5.8 Engine/Private/UnrealExporter.cpp (EmitBeginObject, EmitEndObject, ExportProperties),
// 5.4 Engine/Private/EdGraph/EdGraphNode.cpp (ExportCustomProperties) and public 5.x clipboard texts:
// the block header, only changed properties, the quoted function class; the header line ends with
// LINE_TERMINATOR, every other line with "\r\n".
TEST_F(FClipboardTest, CopiedNodesAreWrittenAsTheEditorWritesThem)
{
	UK2Node_MakeArray* MakeArray = nullptr;
	UK2Node_CallFunction* const Count = AddCountOfTwoWords(MakeArray);
	MakeArray->NodePosX = 96;

	FString Text;
	FEdGraphUtilities::ExportNodesToText({MakeArray, Count}, Text);

	const FString MakeArrayHeader = FString::Printf(TEXT("Begin Object Class=/Script/BlueprintGraph.K2Node_MakeArray Name=\"%s\" ExportPath=\"/Script/BlueprintGraph.K2Node_MakeArray'%s'\"%s"), *MakeArray->GetName(), *MakeArray->GetPathName(), LINE_TERMINATOR);
	EXPECT_TRUE(Text.StartsWith(MakeArrayHeader)) << TCHAR_TO_UTF8(*Text);
	const FString MakeArrayProperties = FString::Printf(TEXT("\n   NumInputs=2\r\n   NodePosX=96\r\n   NodeGuid=%s\r\n   CustomProperties Pin (PinId=%s,PinName=\"Array\",Direction=\"EGPD_Output\",PinType.PinCategory=\"string\","), *MakeArray->NodeGuid.ToString(), *MakeArray->GetOutputPin()->PinId.ToString());
	EXPECT_NE(Text.Find(MakeArrayProperties), INDEX_NONE) << TCHAR_TO_UTF8(*Text);
	EXPECT_EQ(Text.Find(TEXT("NodePosY=")), INDEX_NONE) << "a property at its default is left out";

	const FString CallProperties = FString::Printf(TEXT("\n   FunctionReference=(MemberParent=\"/Script/CoreUObject.Class'/Script/BlueprintGraphTests.GraphTestLibrary'\",MemberName=\"CountWords\")\r\n   NodeGuid=%s\r\n"), *Count->NodeGuid.ToString());
	EXPECT_NE(Text.Find(CallProperties), INDEX_NONE) << TCHAR_TO_UTF8(*Text);
	EXPECT_NE(Text.Find(FString::Printf(TEXT("LinkedTo=(%s %s,)"), *Count->GetName(), *Count->FindPinChecked(TEXT("Words"))->PinId.ToString())), INDEX_NONE);
	// Every pin line, like every property line, ends with "\r\n".
	const int32 NumPins = MakeArray->Pins.Num() + Count->Pins.Num();
	int32 NumPinLineEnds = 0;
	for (int32 At = Text.Find(TEXT("CustomProperties Pin (")); At != INDEX_NONE; At = Text.Find(TEXT("CustomProperties Pin ("), ESearchCase::CaseSensitive, ESearchDir::FromStart, At + 1))
	{
		const int32 LineFeed = Text.Find(TEXT("\n"), ESearchCase::CaseSensitive, ESearchDir::FromStart, At);
		NumPinLineEnds += LineFeed > 0 && Text[LineFeed - 1] == '\r' ? 1 : 0;
	}
	EXPECT_EQ(NumPinLineEnds, NumPins);
	EXPECT_TRUE(Text.EndsWith(TEXT("End Object\r\n")));
}

TEST_F(FClipboardTest, PastedCopyKeepsNodesPinsLinksAndDefaultsAndRunsTheSame)
{
	UK2Node_MakeArray* MakeArray = nullptr;
	UK2Node_CallFunction* const Count = AddCountOfTwoWords(MakeArray);
	FString Text;
	FEdGraphUtilities::ExportNodesToText({MakeArray, Count}, Text);

	UEdGraph* const Other = AddGraph(TEXT("PastedGraph"));
	const TArray<UEdGraphNode*> Pasted = Paste(Other, Text);
	ASSERT_EQ(Pasted.Num(), 2);
	UK2Node_MakeArray* const PastedArray = Cast<UK2Node_MakeArray>(Pasted[0]);
	UK2Node_CallFunction* const PastedCount = Cast<UK2Node_CallFunction>(Pasted[1]);
	ASSERT_TRUE(PastedArray && PastedCount);
	EXPECT_EQ(Other->Nodes.Num(), 2);
	EXPECT_EQ(PastedArray->NodeGuid, MakeArray->NodeGuid);
	EXPECT_EQ(PastedArray->FindPinChecked(TEXT("[1]"))->DefaultValue, TEXT("three"));
	EXPECT_EQ(PastedArray->GetOutputPin()->PinType.PinCategory, UEdGraphSchema_K2::PC_String);
	ASSERT_EQ(PastedArray->GetOutputPin()->LinkedTo.Num(), 1);
	EXPECT_EQ(PastedArray->GetOutputPin()->LinkedTo[0], PastedCount->FindPinChecked(TEXT("Words")));

	Compile();
	EXPECT_EQ(Evaluate(PastedCount->GetReturnValuePin())->Get<int32>(), 2);
	EXPECT_EQ(Evaluate(Count->GetReturnValuePin())->Get<int32>(), 2);
}

// UE 5.8, UnrealEd/Private/EdGraphUtilities.cpp (ImportNodesFromText, PostProcessPastedNodePinLinks):
// links to nodes that are not pasted are dropped on both sides; blocks of other classes are skipped.
TEST_F(FClipboardTest, PasteDropsLinksLeavingTheTextAndSkipsWhatIsNoLoadedNode)
{
	UK2Node_MakeArray* MakeArray = nullptr;
	UK2Node_CallFunction* const Count = AddCountOfTwoWords(MakeArray);
	const FName OriginalName = MakeArray->GetFName();
	FString Text;
	FEdGraphUtilities::ExportNodesToText({MakeArray}, Text);
	Text += TEXT("Begin Object Class=/Script/SomePlugin.K2Node_NotLoaded Name=\"K2Node_NotLoaded_0\"\n   CustomProperties Pin (PinId=0123456789ABCDEF0123456789ABCDEF,PinName=\"x\",)\nEnd Object\n");
	Text += TEXT("Begin Object Class=/Script/CoreUObject.Package Name=\"NotANode\"\nEnd Object\n");

	// Pasted into the same graph, where the consumer still exists under its name.
	const TArray<UEdGraphNode*> Pasted = Paste(Graph, Text);
	ASSERT_EQ(Pasted.Num(), 1);
	UK2Node_MakeArray* const PastedArray = Cast<UK2Node_MakeArray>(Pasted[0]);
	ASSERT_NE(PastedArray, nullptr);
	EXPECT_TRUE(PastedArray->GetOutputPin()->LinkedTo.IsEmpty());
	ASSERT_EQ(Count->FindPinChecked(TEXT("Words"))->LinkedTo.Num(), 1);
	EXPECT_EQ(Count->FindPinChecked(TEXT("Words"))->LinkedTo[0], MakeArray->GetOutputPin());
	// The original kept its links; it moved out of the pasted node's name.
	EXPECT_EQ(PastedArray->GetFName(), OriginalName);
	EXPECT_NE(MakeArray->GetFName(), OriginalName);
	EXPECT_FALSE(FEdGraphUtilities::CanImportNodesFromText(Graph, TEXT("Begin Object Class=/Script/SomePlugin.K2Node_NotLoaded Name=\"A\"\nEnd Object\n")));
	EXPECT_TRUE(FEdGraphUtilities::CanImportNodesFromText(Graph, Text));
}

// Public 5.x clipboard texts of engine nodes: tokens the host does not model are read, not refused.
TEST_F(FClipboardTest, EditorTextWithUnmodelledTokensPastes)
{
	const FString Text = TEXT(
		"Begin Object Class=/Script/BlueprintGraph.K2Node_MakeMap Name=\"K2Node_MakeMap_3\" ExportPath=\"/Script/BlueprintGraph.K2Node_MakeMap'/Game/Maps/BP_Test.BP_Test:EventGraph.K2Node_MakeMap_3'\"\r\n"
		"   NodePosX=-416\r\n"
		"   NodePosY=128\r\n"
		"   AdvancedPinDisplay=Shown\r\n"
		"   ErrorType=1\r\n"
		"   bCommentBubbleVisible=True\r\n"
		"   NodeComment=\"pairs, (with) \\\"quotes\\\"\"\r\n"
		"   NodeGuid=2F2F421E44450CE8C0F62BB3E788BEC6\r\n"
		"   CustomProperties Pin (PinId=BEE4822F4C280F86F45B7E9D7F4BDB5B,PinName=\"Map\",PinToolTip=\"Map\\nMap of Strings to Strings\",Direction=\"EGPD_Output\",PinType.PinCategory=\"string\",PinType.PinSubCategory=\"\",PinType.PinSubCategoryObject=None,PinType.PinSubCategoryMemberReference=(),PinType.PinValueType=(TerminalCategory=\"string\"),PinType.ContainerType=Map,PinType.bIsReference=False,PinType.bIsConst=False,PinType.bIsWeakPointer=False,PinType.bIsUObjectWrapper=False,PinType.bSerializeAsSinglePrecisionFloat=False,LinkedTo=(K2Node_CallFunction_9 CEE087C54DD0A141448F8BB86ABAAB4A,),PersistentGuid=00000000000000000000000000000000,bHidden=False,bNotConnectable=False,bDefaultValueIsReadOnly=False,bDefaultValueIsIgnored=False,bAdvancedView=False,bOrphanedPin=False,)\r\n"
		"   CustomProperties Pin (PinId=2EAC4E994F6545D4BE1767A36D0CF73E,PinName=\"Key 0\",PinType.PinCategory=\"string\",PinType.PinSubCategory=\"\",PinType.PinSubCategoryObject=\"/Script/CoreUObject.ScriptStruct'/Script/NotLoaded.Thing'\",PinType.PinSubCategoryMemberReference=(MemberParent=None,MemberName=\"None\",MemberGuid=00000000000000000000000000000000),PinType.PinValueType=(),PinType.ContainerType=None,PinType.bIsReference=False,PinType.bIsConst=False,PinType.bIsWeakPointer=False,PinType.bIsUObjectWrapper=False,PinType.bSerializeAsSinglePrecisionFloat=False,DefaultValue=\"a\",SubPins=(K2Node_MakeMap_3 11111111111111111111111111111111,),PersistentGuid=00000000000000000000000000000000,bHidden=False,bNotConnectable=False,bDefaultValueIsReadOnly=False,bDefaultValueIsIgnored=False,bAdvancedView=False,bOrphanedPin=False,)\r\n"
		"   CustomProperties Pin (PinId=7F23A7BC4462D4C28E6450A5C3568FD0,PinName=\"Value 0\",PinFriendlyName=NSLOCTEXT(\"K2Node\", \"Value\", \"Value 0\"),PinType.PinCategory=\"string\",DefaultValue=\"b\",bHidden=False)\r\n"
		"End Object\r\n");
	const TArray<UEdGraphNode*> Pasted = Paste(Graph, Text);
	ASSERT_EQ(Pasted.Num(), 1);
	UK2Node_MakeMap* const MakeMap = Cast<UK2Node_MakeMap>(Pasted[0]);
	ASSERT_NE(MakeMap, nullptr);
	EXPECT_EQ(MakeMap->NodePosX, -416);
	EXPECT_EQ(MakeMap->NodeGuid.ToString(), TEXT("2F2F421E44450CE8C0F62BB3E788BEC6"));
	EXPECT_EQ(MakeMap->FindPinChecked(TEXT("Key 0"))->DefaultValue, TEXT("a"));
	EXPECT_EQ(MakeMap->FindPinChecked(TEXT("Value 0"))->DefaultValue, TEXT("b"));
	EXPECT_TRUE(MakeMap->GetOutputPin()->LinkedTo.IsEmpty());

	// Linked to a node that counts pairs, the pasted map runs.
	UK2Node_CallFunction* const CountPairs = AddNode<UK2Node_CallFunction>([](UK2Node_CallFunction* Node)
	{
		Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(TEXT("CountPairs")));
	});
	Link(MakeMap->GetOutputPin(), CountPairs->FindPinChecked(TEXT("Pairs")));
	Compile();
	EXPECT_EQ(Evaluate(CountPairs->GetReturnValuePin())->Get<int32>(), 1) << TCHAR_TO_UTF8(*GetCompilerMessages());
}

// UE 5.4 and 5.8, Core/Private/UObject/UnrealNames.cpp and NameTypes.h: a name of NAME_SIZE characters or
// more fails a check in the engine, and some characters are kept out of object names. Pasted text may
// hold anything, so the host pastes around such names instead: a node named so gets a fresh name, a pin
// that links to one is refused, a lookup by one finds nothing.
TEST_F(FClipboardTest, NamesThatCannotNameAnObjectArePastedAroundNotAsserted)
{
	const FString LongName = FString::ChrN(NAME_SIZE + 2, TEXT('n'));
	UK2Node_MakeArray* MakeArray = nullptr;
	AddCountOfTwoWords(MakeArray);
	FString Copied;
	FEdGraphUtilities::ExportNodesToText({MakeArray}, Copied);

	const FString Cases[] = {
		// The block's own name.
		FString::Printf(TEXT("Begin Object Class=/Script/BlueprintGraph.K2Node_MakeArray Name=\"%s\"\n   NumInputs=1\nEnd Object\n"), *LongName),
		TEXT("Begin Object Class=/Script/BlueprintGraph.K2Node_MakeArray Name=\"Make Array: 2\"\n   NumInputs=1\nEnd Object\n"),
		// A property name, and an enum value.
		FString::Printf(TEXT("Begin Object Class=/Script/BlueprintGraph.K2Node_MakeArray Name=\"K2Node_MakeArray_40\"\n   %s=1\n   AdvancedPinDisplay=%s\nEnd Object\n"), *LongName, *LongName),
		// The node a pin links to.
		Copied.Replace(TEXT("LinkedTo=("), *FString::Printf(TEXT("LinkedTo=(%s 0123456789ABCDEF0123456789ABCDEF,"), *LongName)),
	};
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Cases); ++Index)
	{
		SCOPED_TRACE(Index);
		const TArray<UEdGraphNode*> Pasted = Paste(AddGraph(*FString::Printf(TEXT("LongNames%d"), Index)), Cases[Index]);
		ASSERT_EQ(Pasted.Num(), 1);
		EXPECT_TRUE(Pasted[0]->GetName().StartsWith(TEXT("K2Node_MakeArray_"))) << TCHAR_TO_UTF8(*Pasted[0]->GetName());
	}
}

// UE 5.8 UnrealEd/Public/Factories.h (FCustomizableTextObjectFactory::ClearObjectNameUsage: an object
// that holds a pasted block's name is renamed out of its way) and 5.4 Engine/Private/EdGraph/EdGraphPin.cpp
// (ImportText_PinReference finds a link's node by name once every block is an object): of two blocks of
// one name the later keeps it and a link by that name reaches the later. Two pins of one node with one id
// the editor never writes; the host gives the later a fresh id and a link by that id goes to the first.
// A copy of what pasted pastes the same again.
TEST_F(FClipboardTest, ARepeatedNodeNameGoesToTheLaterBlockAndRepeatedPinIdsToTheFirstPin)
{
	UK2Node_MakeArray* MakeArray = nullptr;
	UK2Node_CallFunction* const Count = AddCountOfTwoWords(MakeArray);
	FString Text;
	FEdGraphUtilities::ExportNodesToText({MakeArray, Count}, Text);
	const FString OutputId = MakeArray->GetOutputPin()->PinId.ToString();
	const FString FirstInputId = MakeArray->FindPinChecked(TEXT("[0]"))->PinId.ToString();
	// The array's first input takes the output's id, and the consumer's block comes twice.
	const int32 InputAt = Text.Find(FString::Printf(TEXT("PinId=%s"), *FirstInputId));
	ASSERT_NE(InputAt, INDEX_NONE);
	Text = Text.Left(InputAt) + TEXT("PinId=") + OutputId + Text.Mid(InputAt + 6 + FirstInputId.Len());
	const int32 CountAt = Text.Find(TEXT("Begin Object Class=/Script/BlueprintGraph.K2Node_CallFunction"));
	Text += Text.Mid(CountAt);

	for (int32 Round = 0; Round < 2; ++Round)
	{
		SCOPED_TRACE(Round);
		const TArray<UEdGraphNode*> Pasted = Paste(AddGraph(*FString::Printf(TEXT("Repeated%d"), Round)), Text);
		ASSERT_EQ(Pasted.Num(), 3);
		const UK2Node_MakeArray* const PastedArray = Cast<UK2Node_MakeArray>(Pasted[0]);
		ASSERT_NE(PastedArray, nullptr);
		if (Round == 0)
		{
			EXPECT_NE(Pasted[1]->GetName(), Count->GetName()) << "the earlier block moved out of the later one's way";
			EXPECT_EQ(Pasted[2]->GetName(), Count->GetName());
		}
		EXPECT_NE(PastedArray->FindPinChecked(TEXT("[0]"))->PinId, PastedArray->GetOutputPin()->PinId);
		// Both consumers' Words pins name the output; the output names the later consumer; nothing feeds the array's inputs.
		const TArray<UEdGraphPin*>& Links = PastedArray->GetOutputPin()->LinkedTo;
		ASSERT_EQ(Links.Num(), 2);
		EXPECT_TRUE(Links[0]->GetOwningNode() != Links[1]->GetOwningNode() && Links.ContainsByPredicate([&Pasted](const UEdGraphPin* Pin) { return Pin->GetOwningNode() == Pasted[1]; })
			&& Links.ContainsByPredicate([&Pasted](const UEdGraphPin* Pin) { return Pin->GetOwningNode() == Pasted[2]; }));
		EXPECT_TRUE(PastedArray->FindPinChecked(TEXT("[0]"))->LinkedTo.IsEmpty());
		Text.Reset();
		FEdGraphUtilities::ExportNodesToText({Pasted[0], Pasted[1], Pasted[2]}, Text);
	}
}

// The same rules for a linked text pasted twice in one paste: each name goes to the second copy, so the
// links the first copy names reach into the second, and the second's consumer is fed by both outputs.
TEST_F(FClipboardTest, TwoCopiesOfOneLinkedTextInOnePasteLinkByTheNamesTheSecondCopyHolds)
{
	UK2Node_MakeArray* MakeArray = nullptr;
	AddCountOfTwoWords(MakeArray);
	UK2Node_CallFunction* const Count = Cast<UK2Node_CallFunction>(MakeArray->GetOutputPin()->LinkedTo[0]->GetOwningNode());
	FString Text;
	FEdGraphUtilities::ExportNodesToText({MakeArray, Count}, Text);

	const TArray<UEdGraphNode*> Pasted = Paste(AddGraph(TEXT("Twice")), Text + Text);
	ASSERT_EQ(Pasted.Num(), 4);
	EXPECT_EQ(Pasted[2]->GetName(), MakeArray->GetName());
	EXPECT_EQ(Pasted[3]->GetName(), Count->GetName());
	const auto Words = [](const UEdGraphNode* Node) { return Node->FindPinChecked(TEXT("Words")); };
	const auto Output = [](const UEdGraphNode* Node) { return CastChecked<UK2Node_MakeArray>(Node)->GetOutputPin(); };
	EXPECT_EQ(Output(Pasted[0])->LinkedTo, TArray<UEdGraphPin*>({Words(Pasted[3])}));
	EXPECT_EQ(Words(Pasted[1])->LinkedTo, TArray<UEdGraphPin*>({Output(Pasted[2])}));
	EXPECT_EQ(Output(Pasted[2])->LinkedTo.Num(), 2);
	EXPECT_EQ(Words(Pasted[3])->LinkedTo.Num(), 2);
	EXPECT_TRUE(Words(Pasted[3])->LinkedTo.Contains(Output(Pasted[0])) && Words(Pasted[3])->LinkedTo.Contains(Output(Pasted[2])));
}

// UE 5.4 Engine/Private/EdGraph/EdGraphNode.cpp (ImportCustomProperties keeps a null pin for a line that
// does not read), EdGraphPin.cpp (ImportTextItem's warnings, through GWarn) and 5.8 UnrealEd/Private/
// EdGraphUtilities.cpp (PostProcessPastedNodePinLinks drops the null; ReconstructNode makes the pin again):
// a pin line that does not read is skipped, with the engine's warnings, and the rest of the text pastes.
TEST_F(FClipboardTest, APinLineThatDoesNotReadIsSkippedWithTheEnginesWarningsAndTheRestPastes)
{
	UK2Node_MakeArray* MakeArray = nullptr;
	UK2Node_CallFunction* const Count = AddCountOfTwoWords(MakeArray);
	FString Copied;
	FEdGraphUtilities::ExportNodesToText({MakeArray, Count}, Copied);
	const FString Id = MakeArray->FindPinChecked(TEXT("[1]"))->PinId.ToString();
	struct FCase
	{
		const char* Name;
		FString From;
		FString To;
		TArray<FString> Warnings;
	};
	const FCase Cases[] = {
		{"a field the engine does not know, before the name", TEXT("PinName=\"[1]\""), TEXT("PinLabel=\"[1]\""), {TEXT("None: Warning: None: Parse error while importing property values (PinName = None).")}},
		{"a member the pin type does not have", TEXT("PinName=\"[1]\","), TEXT("PinName=\"[1]\",PinType.bIsFrozen=True,"), {TEXT("None: Warning: Unknown pin type member: bIsFrozen."), TEXT("None: Warning: [1]: Parse error while importing property values (PinName = [1]).")}},
		{"a value that does not read", TEXT("PinName=\"[1]\","), TEXT("PinName=\"[1]\",PinFriendlyName=LOCGEN_NUMBER(1),"), {TEXT("None: Warning: [1]: Parse error while importing property values (PinName = [1]).")}},
		{"no pin id", TEXT("PinId=") + Id + TEXT(","), TEXT(""), {TEXT("None: Warning: [1]: Invalid PinId after importing property values (PinName = [1]).")}},
	};
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Cases); ++Index)
	{
		const FCase& Case = Cases[Index];
		SCOPED_TRACE(Case.Name);
		const int32 At = Copied.Find(FString::Printf(TEXT("PinId=%s,"), *Id));
		ASSERT_NE(At, INDEX_NONE);
		const FString Text = Copied.Left(At) + Copied.Mid(At).Replace(*Case.From, *Case.To);
		FLogCapture Log;
		const TArray<UEdGraphNode*> Pasted = Paste(AddGraph(*FString::Printf(TEXT("BadPin%d"), Index)), Text);
		EXPECT_EQ(Log.Lines, Case.Warnings);
		ASSERT_EQ(Pasted.Num(), 2);
		// The node made the skipped input again, without its value; the other input and the link came along.
		const UK2Node_MakeArray* const PastedArray = CastChecked<UK2Node_MakeArray>(Pasted[0]);
		EXPECT_EQ(PastedArray->FindPinChecked(TEXT("[0]"))->DefaultValue, TEXT("one two"));
		EXPECT_EQ(PastedArray->FindPinChecked(TEXT("[1]"))->DefaultValue, TEXT(""));
		ASSERT_EQ(PastedArray->GetOutputPin()->LinkedTo.Num(), 1);
		EXPECT_EQ(PastedArray->GetOutputPin()->LinkedTo[0]->GetOwningNode(), Pasted[1]);
	}
}

// UE 5.4 Engine/Private/EdGraph/EdGraphPin.cpp (ImportTextItem: PinType members by reflected name, where
// bIsArray names the deprecated member), Core/Private/Internationalization/TextHistory.cpp, and 5.4
// UnrealEd/Private/EditorObject.cpp (ImportProperties: a Begin Object line without a class reads into the
// subobject of that name): texts of older editors, split-pin friendly names and the editor's second pass
// over a subobject paste.
TEST_F(FClipboardTest, OlderPinTypesSplitPinNamesAndSubobjectDefinitionsPaste)
{
	const FString Text = TEXT(
		"Begin Object Class=/Script/BlueprintGraph.K2Node_MakeArray Name=\"K2Node_MakeArray_7\"\n"
		"   Begin Object Class=/Script/Engine.EdGraph Name=\"BoundGraph\" ExportPath=\"/Script/Engine.EdGraph'/Game/BP.BP:EventGraph.K2Node_MakeArray_7.BoundGraph'\"\n"
		"   End Object\n"
		"   Begin Object Name=\"BoundGraph\" ExportPath=\"/Script/Engine.EdGraph'/Game/BP.BP:EventGraph.K2Node_MakeArray_7.BoundGraph'\"\n"
		"      Schema=\"/Script/CoreUObject.Class'/Script/BlueprintGraph.EdGraphSchema_K2'\"\n"
		"   End Object\n"
		"   NumInputs=2\n"
		"   NodeGuid=5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A\n"
		"   CustomProperties Pin (PinId=A0000000000000000000000000000001,PinName=\"Array\",PinFriendlyName=LOCGEN_FORMAT_NAMED(NSLOCTEXT(\"KismetSchema\", \"SplitPinFriendlyNameFormat\", \"{PinDisplayName} {ProtoPinDisplayName}\"), \"PinDisplayName\", NSLOCTEXT(\"\", \"A\", \"Words\"), \"ProtoPinDisplayName\", INVTEXT(\"X\")),Direction=\"EGPD_Output\",PinType.PinCategory=\"string\",PinType.PinSubCategory=\"\",PinType.PinSubCategoryObject=None,PinType.PinSubCategoryMemberReference=(),PinType.PinValueType=(),PinType.ContainerType=Array,PinType.bIsMap=False,PinType.bIsSet=False,PinType.bIsArray=True,PinType.bIsReference=False,PinType.bIsConst=False,PinType.bIsWeakPointer=False,PersistentGuid=00000000000000000000000000000000,bHidden=False,bNotConnectable=False,bDefaultValueIsReadOnly=False,bDefaultValueIsIgnored=False,bAdvancedView=False,)\n"
		"   CustomProperties Pin (PinId=A0000000000000000000000000000002,PinName=\"[0]\",PinFriendlyName=LOCGEN_NUMBER(0, \"\"),PinType.PinCategory=\"string\",PinType.PinSubCategory=\"\",PinType.PinSubCategoryObject=None,PinType.PinSubCategoryMemberReference=(),PinType.bIsArray=False,PinType.bIsReference=False,PinType.bIsConst=False,PinType.bIsWeakPointer=False,DefaultValue=\"one two\",PersistentGuid=00000000000000000000000000000000,bHidden=False,)\n"
		"   CustomProperties Pin (PinId=A0000000000000000000000000000003,PinName=\"[1]\",PinType.PinCategory=\"string\",PinType.bIsArray=False,PinFriendlyName=LOCGEN_TOUPPER(INVTEXT(\"second\")),DefaultValue=\"three\",bHidden=False,)\n"
		"End Object\n");
	FLogCapture Log;
	const TArray<UEdGraphNode*> Pasted = Paste(Graph, Text);
	EXPECT_TRUE(Log.Lines.IsEmpty()) << TCHAR_TO_UTF8(*FString::Join(Log.Lines, TEXT("\n")));
	ASSERT_EQ(Pasted.Num(), 1);
	UK2Node_MakeArray* const MakeArray = Cast<UK2Node_MakeArray>(Pasted[0]);
	ASSERT_NE(MakeArray, nullptr);
	const UEdGraph* const BoundGraph = Cast<UEdGraph>(StaticFindObjectFast(nullptr, MakeArray, TEXT("BoundGraph")));
	ASSERT_NE(BoundGraph, nullptr);
	EXPECT_EQ(BoundGraph->Schema.Get(), UEdGraphSchema_K2::StaticClass());
	EXPECT_EQ(MakeArray->FindPinChecked(TEXT("[0]"))->DefaultValue, TEXT("one two"));
	EXPECT_EQ(MakeArray->FindPinChecked(TEXT("[1]"))->DefaultValue, TEXT("three"));

	UK2Node_CallFunction* const CountWords = AddCall(TEXT("CountWords"));
	Link(MakeArray->GetOutputPin(), CountWords->FindPinChecked(TEXT("Words")));
	Compile();
	const TSharedPtr<const FHostPinValue> Words = Evaluate(MakeArray->GetOutputPin());
	ASSERT_TRUE(Words) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(Words->Get<TArray<FString>>(), TArray<FString>({TEXT("one two"), TEXT("three")}));
}

// UE 5.4 UnrealEd/Private/EditorObject.cpp (ImportProperties): an inner block naming no class the editor
// has, no name, or no subobject to define ends the import of its node with the engine's error; the
// node's lines after it (here its position and its pins) are not read, and the node makes its pins anew.
TEST_F(FClipboardTest, AnInnerBlockNamingNoSubobjectEndsItsNodesImportThere)
{
	struct FCase
	{
		const TCHAR* Inner;
		const TCHAR* Error;
	};
	const FCase Cases[] = {
		{TEXT("Begin Object Name=\"Ghost\""), TEXT("None: Error: BEGIN OBJECT: No base template named Ghost found in parent class K2Node_MakeContainer: Begin Object Name=\"Ghost\"")},
		{TEXT("Begin Object Class=/Script/Nowhere.Thing Name=\"Thing\""), TEXT("None: Error: BEGIN OBJECT: Invalid class specified: Begin Object Class=/Script/Nowhere.Thing Name=\"Thing\"")},
		{TEXT("Begin Object Class=/Script/Engine.EdGraph"), TEXT("None: Error: BEGIN OBJECT: Must specify valid name for subobject/component: Begin Object Class=/Script/Engine.EdGraph")},
	};
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Cases); ++Index)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Cases[Index].Inner));
		const FString Text = FString::Printf(TEXT(
			"Begin Object Class=/Script/BlueprintGraph.K2Node_MakeArray Name=\"K2Node_MakeArray_7\"\n"
			"   NumInputs=2\n"
			"   %s\n"
			"      Schema=None\n"
			"   End Object\n"
			"   NodePosX=96\n"
			"   CustomProperties Pin (PinId=A0000000000000000000000000000002,PinName=\"[0]\",PinType.PinCategory=\"string\",DefaultValue=\"one two\",)\n"
			"End Object\n"), Cases[Index].Inner);
		FLogCapture Log;
		const TArray<UEdGraphNode*> Pasted = Paste(AddGraph(*FString::Printf(TEXT("Inner%d"), Index)), Text);
		EXPECT_EQ(Log.Lines, TArray<FString>({Cases[Index].Error}));
		ASSERT_EQ(Pasted.Num(), 1);
		const UK2Node_MakeArray* const MakeArray = CastChecked<UK2Node_MakeArray>(Pasted[0]);
		EXPECT_EQ(MakeArray->NodePosX, 0);
		EXPECT_NE(MakeArray->FindPin(TEXT("[1]")), nullptr) << "the lines before the block were read";
		EXPECT_EQ(MakeArray->FindPinChecked(TEXT("[0]"))->DefaultValue, TEXT(""));
	}
}

// UE 5.2, Editor/BlueprintGraph/Private/K2Node_MakeContainer.cpp (ReallocatePinsDuringReconstruction,
// PostReconstructNode); UE 5.4 and 5.8, Engine/Private/EdGraph/EdGraphPin.cpp (a value moves to the new
// pin only if it differs from the autogenerated default). A container copied without the node it fed
// takes its type from the first input (for maps, the first key and the first value) that holds a value
// of its own; a side with none is a wildcard again.
TEST_F(FClipboardTest, APastedContainerWithoutItsLinksIsTypedByTheValuesItsInputsHold)
{
	UK2Node_MakeArray* Words = nullptr;
	AddCountOfTwoWords(Words);
	UK2Node_MakeArray* BlankWords = nullptr;
	AddCountOfTwoWords(BlankWords);
	BlankWords->FindPinChecked(TEXT("[0]"))->DefaultValue.Reset();
	BlankWords->FindPinChecked(TEXT("[1]"))->DefaultValue.Reset();

	// Integers typed by a link that is not copied: "[0]" keeps only its autogenerated "0", "[1]" holds 7.
	UK2Node_MakeArray* const Numbers = AddNode<UK2Node_MakeArray>();
	Link(AddCall(TEXT("NextTicket"))->GetReturnValuePin(), Numbers->FindPinChecked(TEXT("[0]")));
	Numbers->AddInputPin();
	GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*Numbers->FindPinChecked(TEXT("[1]")), TEXT("7"));

	const auto AddPair = [this](const TCHAR* Key, const TCHAR* Value)
	{
		UK2Node_MakeMap* const MakeMap = AddNode<UK2Node_MakeMap>();
		Link(MakeMap->GetOutputPin(), AddCall(TEXT("CountPairs"))->FindPinChecked(TEXT("Pairs")));
		MakeMap->FindPinChecked(TEXT("Key 0"))->DefaultValue = Key;
		MakeMap->FindPinChecked(TEXT("Value 0"))->DefaultValue = Value;
		return MakeMap;
	};

	struct FCase
	{
		const char* Name;
		UK2Node* Node;
		FName ExpectedKey;
		FName ExpectedValue;
	};
	const FCase Cases[] = {
		{"strings", Words, UEdGraphSchema_K2::PC_String, NAME_None},
		{"nothing held", BlankWords, UEdGraphSchema_K2::PC_Wildcard, NAME_None},
		{"a later input holds the value", Numbers, UEdGraphSchema_K2::PC_Int, NAME_None},
		{"pair", AddPair(TEXT("k"), TEXT("v")), UEdGraphSchema_K2::PC_String, UEdGraphSchema_K2::PC_String},
		{"key only", AddPair(TEXT("k"), TEXT("")), UEdGraphSchema_K2::PC_String, UEdGraphSchema_K2::PC_Wildcard},
	};
	TArray<const UEdGraphPin*> PastedOutputs;
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Cases); ++Index)
	{
		const FCase& Case = Cases[Index];
		SCOPED_TRACE(Case.Name);
		FString Text;
		FEdGraphUtilities::ExportNodesToText({Case.Node}, Text);
		const TArray<UEdGraphNode*> Pasted = Paste(AddGraph(*FString::Printf(TEXT("Pasted%d"), Index)), Text);
		ASSERT_EQ(Pasted.Num(), 1);
		const UEdGraphPin* const Output = CastChecked<UK2Node_MakeContainer>(Pasted[0])->GetOutputPin();
		PastedOutputs.Add(Output);
		EXPECT_TRUE(Output->LinkedTo.IsEmpty());
		EXPECT_EQ(Output->PinType.PinCategory, Case.ExpectedKey);
		EXPECT_EQ(Output->PinType.PinValueType.TerminalCategory, Case.ExpectedValue);
		for (const UEdGraphPin* Pin : Pasted[0]->Pins)
		{
			const FName Expected = Pin->PinName.ToString().StartsWith(TEXT("Value ")) ? Case.ExpectedValue : Case.ExpectedKey;
			EXPECT_TRUE(Pin == Output || Pin->PinType.PinCategory == Expected) << TCHAR_TO_UTF8(*Pin->PinName.ToString());
		}
	}

	// The values came along, and the pasted nodes run.
	Compile();
	const TSharedPtr<const FHostPinValue> PastedWords = Evaluate(PastedOutputs[0]);
	const TSharedPtr<const FHostPinValue> PastedNumbers = Evaluate(PastedOutputs[2]);
	const TSharedPtr<const FHostPinValue> Pair = Evaluate(PastedOutputs[3]);
	ASSERT_TRUE(PastedWords && PastedNumbers && Pair);
	EXPECT_EQ(PastedWords->Get<TArray<FString>>(), TArray<FString>({TEXT("one two"), TEXT("three")}));
	EXPECT_EQ(PastedNumbers->Get<TArray<int32>>(), TArray<int32>({0, 7}));
	using FStringMap = TMap<FString, FString>;
	EXPECT_EQ(Pair->Get<FStringMap>().Num(), 1);
	EXPECT_EQ(Pair->Get<FStringMap>().FindRef(TEXT("k")), TEXT("v"));
}
