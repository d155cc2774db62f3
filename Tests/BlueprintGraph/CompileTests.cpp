#include "BlueprintTestFixture.h"
#include "GraphTestTypes.h"
#include "K2Node_CallFunction.h"
#include "K2Node_EnumLiteral.h"
#include "K2Node_MakeMap.h"
#include "UObject/NoExportTypes.h"

class FCompileTest : public FBlueprintTest
{
protected:
	UGraphTestExpandingNode* AddExpandingNode(int32 Depth, const FString& Suffix)
	{
		return AddNode<UGraphTestExpandingNode>([&](UGraphTestExpandingNode* Node)
		{
			Node->Depth = Depth;
			Node->Suffix = Suffix;
		});
	}
};

TEST_F(FCompileTest, ExpandsWhatExpansionsSpawnOnACopyOfTheGraph)
{
	UK2Node_HostValueSource* const Source = AddSource(UEdGraphSchema_K2::PC_String, TEXT("hello"));
	UGraphTestExpandingNode* const Expanding = AddExpandingNode(2, TEXT("world"));
	Link(Source->GetValuePin(), Expanding->FindPinChecked(TEXT("In")));

	FKismetCompilerContext& Compiled = Compile();

	EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(Blueprint->Status, BS_UpToDate);
	EXPECT_TRUE(GetCompiledNodes<UGraphTestExpandingNode>().IsEmpty()) << "expanded nodes are removed, spawned ones too";
	const TArray<UK2Node_CallFunction*> Calls = GetCompiledNodes<UK2Node_CallFunction>();
	ASSERT_EQ(Calls.Num(), 1);
	EXPECT_TRUE(Calls[0]->IsIntermediateNode());
	EXPECT_EQ(Results->FindSourceObject(Calls[0]), Expanding) << "made from the author's node, through the nested expansions";
	EXPECT_EQ(Compiled.ConsolidatedEventGraph->Nodes.Num(), 2);

	EXPECT_EQ(Graph->Nodes.Num(), 2) << "the author's graph is untouched";
	EXPECT_EQ(Expanding->FindPinChecked(TEXT("In"))->LinkedTo, TArray<UEdGraphPin*>({Source->GetValuePin()}));
	const TSharedPtr<const FHostPinValue> Out = Evaluate(Expanding->FindPinChecked(TEXT("Out")));
	ASSERT_TRUE(Out.IsValid());
	EXPECT_EQ(Out->Get<FString>(), TEXT("hello world"));
}

TEST_F(FCompileTest, IntermediateNodesGetTheSameGuidOnEveryCompile)
{
	UGraphTestExpandingNode* const Expanding = AddExpandingNode(1, TEXT("x"));
	Compile();
	const FGuid FirstGuid = GetCompiledNodes<UK2Node_CallFunction>()[0]->NodeGuid;
	Compile();
	const FGuid SecondGuid = GetCompiledNodes<UK2Node_CallFunction>()[0]->NodeGuid;
	EXPECT_TRUE(FirstGuid.IsValid());
	EXPECT_EQ(FirstGuid, SecondGuid);
	EXPECT_NE(FirstGuid, Expanding->NodeGuid);
}

TEST_F(FCompileTest, AuthorErrorsFailTheCompileWithAMessageNamingThePlace)
{
	struct FCase
	{
		const char* Name;
		std::function<void()> Build;
		const TCHAR* ExpectedText;
	};
	const FCase Cases[] = {
		{"incompatible link made around the schema", [this]()
		{
			UK2Node_HostValueSource* const Flag = AddSource(UEdGraphSchema_K2::PC_Boolean, TEXT("true"));
			UK2Node_CallFunction* const Join = AddNode<UK2Node_CallFunction>([](UK2Node_CallFunction* Node)
			{
				Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(TEXT("JoinWords")));
			});
			Flag->GetValuePin()->MakeLinkTo(Join->FindPinChecked(TEXT("First")));
		}, TEXT("cannot be linked to First")},
		{"missing function", [this]()
		{
			AddNode<UK2Node_CallFunction>([](UK2Node_CallFunction* Node)
			{
				Node->FunctionReference.SetExternalMember(TEXT("NoSuchFunction"), UGraphTestLibrary::StaticClass());
			});
		}, TEXT("\"NoSuchFunction\" does not exist in 'GraphTestLibrary'")},
		{"link refused while expanding", [this]()
		{
			UK2Node_HostValueSource* const Flag = AddSource(UEdGraphSchema_K2::PC_Boolean, TEXT("true"));
			Flag->GetValuePin()->MakeLinkTo(AddExpandingNode(0, TEXT("x"))->FindPinChecked(TEXT("In")));
		}, TEXT("COMPILER ERROR: failed building connection with 'bool is not compatible with string'")},
		{"enum literal naming no entry of its enum", [this]()
		{
			UK2Node_EnumLiteral* const Literal = AddNode<UK2Node_EnumLiteral>([](UK2Node_EnumLiteral* Node) { Node->Enum = StaticEnum<ESearchCase::Type>(); });
			Literal->FindPinChecked(UK2Node_EnumLiteral::GetEnumInputPinName())->DefaultValue = TEXT("NoSuchEntry");
		}, TEXT("Undefined Enum in Literal enum ESearchCase")},
		{"node that nothing can run", [this]()
		{
			UGraphTestNode* const Node = AddNode<UGraphTestNode>([](UGraphTestNode* New) { New->InputNames = {TEXT("In")}; });
			Link(AddSource(UEdGraphSchema_K2::PC_String, TEXT("x"))->GetValuePin(), Node->FindPinChecked(TEXT("In")));
		}, TEXT("is still linked after its expansion")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		Graph->Nodes.Reset();
		Case.Build();
		Compile();
		EXPECT_GE(Results->NumErrors, 1);
		EXPECT_EQ(Blueprint->Status, BS_Error);
		EXPECT_TRUE(GetCompilerMessages().Contains(Case.ExpectedText, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*GetCompilerMessages());
	}
}

TEST_F(FCompileTest, UnlinkedContainerAndReferenceInputsNeedALinkUnlessTheFunctionCreatesThem)
{
	const auto AddCall = [this](const TCHAR* FunctionName)
	{
		return AddNode<UK2Node_CallFunction>([FunctionName](UK2Node_CallFunction* Node)
		{
			Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(FunctionName));
		});
	};
	AddCall(TEXT("CountWords"));
	AddCall(TEXT("CountPairs"));
	AddCall(TEXT("JoinWords"))->FindPinChecked(TEXT("First"))->DefaultValue = TEXT("a string by const reference is a plain input");
	UK2Node_CallFunction* const Tagged = AddCall(TEXT("CountTagged"));
	Tagged->FindPinChecked(TEXT("Tag"))->DefaultValue = TEXT("Label");

	Compile();
	EXPECT_EQ(Blueprint->Status, BS_Error);
	// One message per unlinked input, in node order: CountWords, CountPairs, then CountTagged's map and
	// tag. The log names the pin (with its node) where "@@" stands.
	const std::pair<const TCHAR*, const TCHAR*> Messages[] = {
		{TEXT("The current value of the 'Words"), TEXT("' pin is invalid: Array inputs (like 'Words') must have an input wired into them (try connecting a MakeArray node).")},
		{TEXT("The current value of the 'Pairs"), TEXT("' pin is invalid: Map inputs (like 'Pairs') must have an input wired into them (try connecting a MakeMap node).")},
		{TEXT("The current value of the 'Pairs"), TEXT("' pin is invalid: Map inputs (like 'Pairs') must have an input wired into them (try connecting a MakeMap node).")},
		{TEXT("The current value (Label) of the 'Tag"), TEXT("' pin is invalid: 'Tag' in action 'Count Tagged' must have an input wired into it (\"by ref\" params expect a valid input to operate on).")},
	};
	ASSERT_EQ(Results->Messages.Num(), int32(UE_ARRAY_COUNT(Messages))) << TCHAR_TO_UTF8(*GetCompilerMessages());
	for (int32 Index = 0; Index < int32(UE_ARRAY_COUNT(Messages)); ++Index)
	{
		const FString Message = Results->Messages[Index]->ToText().ToString();
		EXPECT_EQ(Results->Messages[Index]->GetSeverity(), EMessageSeverity::Error);
		EXPECT_TRUE(Message.StartsWith(Messages[Index].first, ESearchCase::CaseSensitive) && Message.EndsWith(Messages[Index].second, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Message);
	}

	// Linked, the same inputs compile; the listed array still needs no link.
	Graph->Nodes.Reset();
	UK2Node_CallFunction* const Linked = AddCall(TEXT("CountTagged"));
	Link(AddNode<UK2Node_MakeMap>()->GetOutputPin(), Linked->FindPinChecked(TEXT("Pairs")));
	Link(AddSource(UEdGraphSchema_K2::PC_Name, TEXT("Label"))->GetValuePin(), Linked->FindPinChecked(TEXT("Tag")));
	Compile();
	EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
}
