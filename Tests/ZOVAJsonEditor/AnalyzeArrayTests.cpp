#include "BlueprintTestFixture.h"
#include "K2Node_CallFunction.h"
#include "K2Node_MakeArray.h"
#include "Modules/ModuleManager.h"
#include "UObject/TextExportImport.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAK2Node_AnalyzeArray.h"

class FAnalyzeArrayTest : public FBlueprintTest
{
protected:
	void SetUp() override
	{
		FBlueprintTest::SetUp();
		FModuleManager::Get().LoadModuleChecked(TEXT("ZOVAJsonEditor"));
	}

	UZOVAK2Node_AnalyzeArray* AddSplitter(int32 NumOutputs)
	{
		UZOVAK2Node_AnalyzeArray* const Node = AddNode<UZOVAK2Node_AnalyzeArray>();
		for (int32 Index = 1; Index < NumOutputs; ++Index)
		{
			Node->AddOutputPin();
		}
		return Node;
	}

	/** The saved output count, read as the asset loader reads it. */
	static int32& GetNumInputs(UEdGraphNode* Node)
	{
		const FIntProperty* const Property = FindFProperty<FIntProperty>(Node->GetClass(), TEXT("NumInputs"));
		check(Property);
		return *Property->ContainerPtrToValuePtr<int32>(Node);
	}

	static UEdGraphPin* GetOutput(const UEdGraphNode* Node, int32 Index)
	{
		return Node->FindPinChecked(FString::Printf(TEXT("[%d]"), Index), EGPD_Output);
	}

	static UEdGraphPin* GetArrayInput(const UEdGraphNode* Node)
	{
		return Node->FindPinChecked(TEXT("InArray_UZOVAK2Node_OutArray"), EGPD_Input);
	}
};

TEST_F(FAnalyzeArrayTest, ThreeOutputsExpandIntoThreeCallsReadingTheSameArray)
{
	const TArray<FString> Elements = {TEXT("x"), TEXT("y")};
	UK2Node_HostValueSource* const Source = AddArraySource(UEdGraphSchema_K2::PC_String, Elements);
	UZOVAK2Node_AnalyzeArray* const Splitter = AddSplitter(3);
	Link(Source->GetValuePin(), GetArrayInput(Splitter));
	Compile();
	ASSERT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());

	const TArray<UK2Node_CallFunction*> Calls = GetCompiledNodes<UK2Node_CallFunction>();
	ASSERT_EQ(Calls.Num(), 3);
	const UK2Node_HostValueSource* const CompiledSource = GetCompiledNodes<UK2Node_HostValueSource>()[0];
	for (int32 Index = 0; Index < Calls.Num(); ++Index)
	{
		SCOPED_TRACE(Index);
		EXPECT_EQ(Calls[Index]->GetTargetFunction()->GetName(), TEXT("OnArrayOut"));
		EXPECT_EQ(Calls[Index]->FindPinChecked(TEXT("Index"))->DefaultValue, FString::FromInt(Index));
		EXPECT_EQ(Calls[Index]->FindPinChecked(TEXT("InArray"))->LinkedTo, TArray<UEdGraphPin*>({CompiledSource->GetValuePin()}));
		EXPECT_EQ(Results->FindSourceObject(Calls[Index]), Splitter);
	}
	EXPECT_EQ(CompiledSource->GetValuePin()->LinkedTo.Num(), 3);

	for (int32 Index = 0; Index < 3; ++Index)
	{
		SCOPED_TRACE(Index);
		const TSharedPtr<const FHostPinValue> Value = Evaluate(GetOutput(Splitter, Index));
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(Value->Get<FString>(), UZOVABlueprintFunctionLibrary::OnArrayOut(Elements, Index));
		if (Elements.IsValidIndex(Index))
		{
			EXPECT_EQ(Value->Get<FString>(), Elements[Index]);
		}
	}
	EXPECT_EQ(GetArrayInput(Splitter)->LinkedTo.Num(), 1) << "the author's node keeps its link";
}

TEST_F(FAnalyzeArrayTest, PinsFollowTheOutputCount)
{
	UZOVAK2Node_AnalyzeArray* const Fresh = AddSplitter(1);
	ASSERT_EQ(Fresh->Pins.Num(), 2);
	EXPECT_TRUE(GetArrayInput(Fresh)->PinType.IsArray());
	EXPECT_EQ(GetArrayInput(Fresh)->PinType.PinCategory, UEdGraphSchema_K2::PC_String);
	EXPECT_EQ(GetOutput(Fresh, 0)->PinType.PinCategory, UEdGraphSchema_K2::PC_String);
	EXPECT_FALSE(GetOutput(Fresh, 0)->PinType.IsContainer());

	int32 GraphNotifications = 0;
	int32 StructuralChanges = 0;
	Graph->AddOnGraphChangedHandler(UEdGraph::FOnGraphChanged::FDelegate::CreateLambda([&](const FEdGraphEditAction&) { ++GraphNotifications; }));
	Blueprint->OnChanged().AddLambda([&](UBlueprint*) { ++StructuralChanges; });
	Blueprint->Status = BS_UpToDate;
	Fresh->AddOutputPin();
	ASSERT_EQ(Fresh->Pins.Num(), 3);
	EXPECT_EQ(Fresh->Pins[2]->PinName, FName(TEXT("[1]")));
	EXPECT_EQ(GetNumInputs(Fresh), 2);
	EXPECT_EQ(Blueprint->Status, BS_Dirty);
	EXPECT_EQ(StructuralChanges, 0) << "adding an output is not a structural change";
	EXPECT_EQ(GraphNotifications, 1);

	UZOVAK2Node_AnalyzeArray* const Empty = AddNode<UZOVAK2Node_AnalyzeArray>([](UZOVAK2Node_AnalyzeArray* Node) { GetNumInputs(Node) = 0; });
	EXPECT_EQ(Empty->Pins.Num(), 1);

	UZOVAK2Node_AnalyzeArray* const Eleven = AddSplitter(11);
	EXPECT_EQ(Eleven->Pins.Last()->PinName, FName(TEXT("[10]")));
}

TEST_F(FAnalyzeArrayTest, SaveAndLoadKeepsTheOutputCountAndTheLinks)
{
	UK2Node_HostValueSource* const Source = AddArraySource(UEdGraphSchema_K2::PC_String, {TEXT("p"), TEXT("q"), TEXT("r")});
	UZOVAK2Node_AnalyzeArray* const Splitter = AddSplitter(3);
	UK2Node_MakeArray* const Picked = AddNode<UK2Node_MakeArray>();
	Picked->AddInputPin();
	Link(Source->GetValuePin(), GetArrayInput(Splitter));
	Link(GetOutput(Splitter, 0), Picked->FindPinChecked(TEXT("[0]")));
	Link(GetOutput(Splitter, 2), Picked->FindPinChecked(TEXT("[1]")));

	FString Text;
	ExportObjectToText(Blueprint, Text);
	UPackage* const LoadPackage = CreatePackage(*(Package->GetName() + TEXT("_Loaded")));
	LoadPackage->AddToRoot();
	UBlueprint* const Loaded = Cast<UBlueprint>(ImportObjectFromText(*Text, LoadPackage));
	ASSERT_NE(Loaded, nullptr);
	UEdGraph* const LoadedGraph = Loaded->UbergraphPages[0];
	for (UEdGraphNode* Node : LoadedGraph->Nodes)
	{
		Node->ReconstructNode();
	}
	const TObjectPtr<UEdGraphNode>* LoadedSplitter = LoadedGraph->Nodes.FindByPredicate([](const UEdGraphNode* Node) { return Node->IsA<UZOVAK2Node_AnalyzeArray>(); });
	ASSERT_NE(LoadedSplitter, nullptr);
	EXPECT_EQ(GetNumInputs(*LoadedSplitter), 3);
	EXPECT_EQ((*LoadedSplitter)->Pins.Num(), 4);
	EXPECT_EQ(GetOutput(*LoadedSplitter, 0)->LinkedTo.Num(), 1);
	EXPECT_TRUE(GetOutput(*LoadedSplitter, 1)->LinkedTo.IsEmpty());
	EXPECT_EQ(GetOutput(*LoadedSplitter, 2)->LinkedTo.Num(), 1);
	EXPECT_EQ(GetArrayInput(*LoadedSplitter)->LinkedTo.Num(), 1);

	// The loaded Blueprint compiles and runs like the saved one.
	Blueprint = Loaded;
	Compile();
	ASSERT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	const TObjectPtr<UEdGraphNode>* LoadedPicked = LoadedGraph->Nodes.FindByPredicate([](const UEdGraphNode* Node) { return Node->IsA<UK2Node_MakeArray>(); });
	ASSERT_NE(LoadedPicked, nullptr);
	EXPECT_EQ(Evaluate(CastChecked<UK2Node_MakeArray>(*LoadedPicked)->GetOutputPin())->Get<TArray<FString>>(), TArray<FString>({TEXT("p"), TEXT("r")}));
	Evaluator.reset();
	Compiler.reset();
	LoadPackage->RemoveFromRoot();
}
