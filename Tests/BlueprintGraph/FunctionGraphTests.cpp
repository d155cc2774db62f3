#include "FunctionGraphTestFixture.h"
#include "GraphTestTypes.h"
#include "K2Node_CallFunction.h"
#include "LogCapture.h"

#include <cstddef>

namespace
{
	class FFunctionGraphCompileTest : public FFunctionGraphTest
	{
	protected:
		/** A call of a test library function, placed as a node creator places it. */
		static UK2Node_CallFunction* AddCall(UEdGraph* Graph, const TCHAR* FunctionName)
		{
			FGraphNodeCreator<UK2Node_CallFunction> Creator(*Graph);
			UK2Node_CallFunction* const Node = Creator.CreateNode();
			Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(FunctionName));
			Creator.Finalize();
			return Node;
		}

		/** The log lines of a category and verbosity, e.g. "LogBlueprint: Error". */
		static TArray<FString> LinesOf(const FLogCapture& Log, const TCHAR* Prefix)
		{
			return Log.Lines.FilterByPredicate([Prefix](const FString& Line) { return Line.StartsWith(Prefix, ESearchCase::CaseSensitive); });
		}
	};

	/** The parameters of Greet, laid out as a caller lays them out for ProcessEvent: in order, each aligned. */
	struct FGreetParms
	{
		FString Name;
		TArray<FString> Extra;
		FString Greeting;
		int32 Count = -1;
		TArray<FString> Tags;
	};
}

TEST_F(FFunctionGraphCompileTest, ACompiledFunctionHasTheGraphsParametersAndProcessEventRunsIt)
{
	// A new Blueprint comes compiled, with its event graph and a class without functions.
	ASSERT_EQ(Blueprint->UbergraphPages.Num(), 1);
	EXPECT_EQ(Blueprint->UbergraphPages[0]->GetFName(), UEdGraphSchema_K2::GN_EventGraph);
	EXPECT_EQ(Blueprint->Status, BS_UpToDate);
	UClass* const GeneratedClass = Blueprint->GeneratedClass;
	ASSERT_NE(GeneratedClass, nullptr);
	EXPECT_EQ(GeneratedClass->GetName(), Blueprint->GetName() + TEXT("_C"));
	EXPECT_EQ(GeneratedClass->GetSuperClass(), UObject::StaticClass());
	EXPECT_EQ(GeneratedClass->ClassGeneratedBy.Get(), Blueprint);

	const FFunctionGraph Greet = AddFunction(TEXT("Greet"));
	EXPECT_EQ(Blueprint->Status, BS_Dirty);
	Greet.Entry->CreateUserDefinedPin(FName(TEXT("Name")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Output);
	FEdGraphPinType ArrayType = PinType(UEdGraphSchema_K2::PC_String);
	ArrayType.ContainerType = EPinContainerType::Array;
	Greet.Entry->CreateUserDefinedPin(FName(TEXT("Extra")), ArrayType, EGPD_Output);
	Greet.Result->CreateUserDefinedPin(FName(TEXT("Greeting")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Input);
	Greet.Result->CreateUserDefinedPin(FName(TEXT("Count")), PinType(UEdGraphSchema_K2::PC_Int), EGPD_Input);
	// An output may stay unlinked, an array too: it starts empty.
	Greet.Result->CreateUserDefinedPin(FName(TEXT("Tags")), ArrayType, EGPD_Input);
	UK2Node_CallFunction* const Join = AddCall(Greet.Graph, TEXT("JoinWords"));
	Join->FindPinChecked(TEXT("First"))->DefaultValue = TEXT("Hello");
	Link(Greet.Entry->FindPin(TEXT("Name")), Join->FindPin(TEXT("Second")));
	Link(Join->FindPin(UEdGraphSchema_K2::PN_ReturnValue), Greet.Result->FindPin(TEXT("Greeting")));

	Compile();
	EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(Blueprint->Status, BS_UpToDate);
	EXPECT_EQ(Blueprint->GeneratedClass.Get(), GeneratedClass) << "a compile fills the same class again";
	UFunction* const Function = FindFunction(TEXT("Greet"));
	ASSERT_NE(Function, nullptr);
	EXPECT_TRUE(Function->HasAllFunctionFlags(FUNC_BlueprintCallable | FUNC_BlueprintEvent | FUNC_Public | FUNC_HasOutParms));
	EXPECT_FALSE(Function->HasAnyFunctionFlags(FUNC_Native));

	// Inputs from the entry, then outputs from the return node, at the offsets a C++ struct gives them.
	struct FExpectedParameter
	{
		const TCHAR* Name;
		size_t Offset;
		EPropertyFlags Flags;
	};
	const FExpectedParameter Expected[] = {
		{TEXT("Name"), offsetof(FGreetParms, Name), CPF_Parm | CPF_BlueprintVisible | CPF_BlueprintReadOnly},
		{TEXT("Extra"), offsetof(FGreetParms, Extra), CPF_Parm | CPF_BlueprintVisible | CPF_BlueprintReadOnly | CPF_OutParm | CPF_ReferenceParm},
		{TEXT("Greeting"), offsetof(FGreetParms, Greeting), CPF_Parm | CPF_OutParm},
		{TEXT("Count"), offsetof(FGreetParms, Count), CPF_Parm | CPF_OutParm},
		{TEXT("Tags"), offsetof(FGreetParms, Tags), CPF_Parm | CPF_OutParm},
	};
	int32 Index = 0;
	for (TFieldIterator<FProperty> It(Function); It; ++It, ++Index)
	{
		ASSERT_LT(Index, int32(UE_ARRAY_COUNT(Expected)));
		SCOPED_TRACE(TCHAR_TO_UTF8(Expected[Index].Name));
		EXPECT_EQ(It->GetFName(), FName(Expected[Index].Name));
		EXPECT_EQ(It->GetOffset_ForUFunction(), int32(Expected[Index].Offset));
		EXPECT_EQ(It->PropertyFlags, Expected[Index].Flags);
	}
	EXPECT_EQ(Index, int32(UE_ARRAY_COUNT(Expected)));
	EXPECT_EQ(Function->NumParms, 5);
	EXPECT_EQ(Function->ParmsSize, int32(sizeof(FGreetParms)));

	UObject* const Instance = NewObject<UObject>(GetTransientPackage(), GeneratedClass);
	ASSERT_EQ(Instance->FindFunction(FName(TEXT("Greet"))), Function);
	FGreetParms Parms;
	Parms.Name = TEXT("Zova");
	Parms.Tags = {TEXT("left by the caller")};
	Instance->ProcessEvent(Function, &Parms);
	EXPECT_EQ(Parms.Greeting, FString(TEXT("Hello Zova")));
	EXPECT_EQ(Parms.Count, 0) << "an unlinked output returns its pin's value";
	EXPECT_TRUE(Parms.Tags.IsEmpty());
	EXPECT_EQ(Parms.Name, FString(TEXT("Zova")));

	// An edit runs only once the Blueprint is compiled again.
	Join->FindPinChecked(TEXT("First"))->DefaultValue = TEXT("Bye");
	Instance->ProcessEvent(Function, &Parms);
	EXPECT_EQ(Parms.Greeting, FString(TEXT("Hello Zova")));
	Compile();
	UFunction* const Recompiled = FindFunction(TEXT("Greet"));
	ASSERT_NE(Recompiled, nullptr);
	UObject* const NewInstance = NewObject<UObject>(GetTransientPackage(), Blueprint->GeneratedClass);
	NewInstance->ProcessEvent(Recompiled, &Parms);
	EXPECT_EQ(Parms.Greeting, FString(TEXT("Bye Zova")));
}

TEST_F(FFunctionGraphCompileTest, AFunctionIsCheckedOnlyWhereItsEntryReachesAndAnEventGraphEverywhere)
{
	const FFunctionGraph CountNothing = AddFunction(TEXT("CountNothing"));
	FEdGraphPinType ArrayType = PinType(UEdGraphSchema_K2::PC_String);
	ArrayType.ContainerType = EPinContainerType::Array;
	CountNothing.Entry->CreateUserDefinedPin(FName(TEXT("Words")), ArrayType, EGPD_Output);
	CountNothing.Result->CreateUserDefinedPin(FName(TEXT("Count")), PinType(UEdGraphSchema_K2::PC_Int), EGPD_Input);
	UK2Node_CallFunction* const Counted = AddCall(CountNothing.Graph, TEXT("CountWords"));
	Link(Counted->FindPin(UEdGraphSchema_K2::PN_ReturnValue), CountNothing.Result->FindPin(TEXT("Count")));
	// Read by nothing, though its array comes from the entry: its unlinked map and tag are never checked.
	UK2Node_CallFunction* const Unread = AddCall(CountNothing.Graph, TEXT("CountTagged"));
	Link(CountNothing.Entry->FindPin(TEXT("Words")), Unread->FindPin(TEXT("Words")));

	{
		FLogCapture Log;
		Compile();
		ASSERT_EQ(Results->NumErrors, 1) << TCHAR_TO_UTF8(*GetCompilerMessages());
		const FString Message = Results->Messages[0]->ToText().ToString();
		EXPECT_TRUE(Message.StartsWith(TEXT("The current value of the 'Words"), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Message);
		EXPECT_TRUE(Message.EndsWith(TEXT("' pin is invalid: Array inputs (like 'Words') must have an input wired into them (try connecting a MakeArray node)."), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Message);
		EXPECT_EQ(Blueprint->Status, BS_Error);
		const TArray<FString> Errors = LinesOf(Log, TEXT("LogBlueprint: Error: "));
		ASSERT_EQ(Errors.Num(), 1);
		EXPECT_TRUE(Errors[0].EndsWith(TEXT("[Compiler] ") + Message, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Errors[0]);
	}
	// A failed compile keeps the function's signature.
	EXPECT_NE(FindFunction(TEXT("CountNothing")), nullptr);

	// Unlinked, the call no longer reaches the return node and is pruned without a message.
	GetDefault<UEdGraphSchema_K2>()->BreakPinLinks(*Counted->FindPin(UEdGraphSchema_K2::PN_ReturnValue), true);
	Compile();
	EXPECT_EQ(Results->NumErrors + Results->NumWarnings, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(Blueprint->Status, BS_UpToDate);

	// The event graph has no events to prune from on the host, so the same lone call is checked there.
	AddCall(Blueprint->UbergraphPages[0], TEXT("CountWords"));
	Compile();
	EXPECT_EQ(Results->NumErrors, 1) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(Blueprint->Status, BS_Error);
}

TEST_F(FFunctionGraphCompileTest, AFunctionTheEvaluatorCannotRunReportsItWhenCalled)
{
	const FFunctionGraph Record = AddFunction(TEXT("Record"));
	Record.Result->CreateUserDefinedPin(FName(TEXT("Out")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Input);
	UK2Node_CallFunction* const RecordWord = AddCall(Record.Graph, TEXT("RecordWord"));
	Link(Record.Entry->FindPin(UEdGraphSchema_K2::PN_Then), RecordWord->FindPin(UEdGraphSchema_K2::PN_Execute));
	Link(RecordWord->FindPin(UEdGraphSchema_K2::PN_Then), Record.Result->FindPin(UEdGraphSchema_K2::PN_Execute));
	Compile();
	ASSERT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());

	UFunction* const Function = FindFunction(TEXT("Record"));
	ASSERT_NE(Function, nullptr);
	UObject* const Instance = NewObject<UObject>(GetTransientPackage(), Blueprint->GeneratedClass);
	FString Out = TEXT("untouched");
	{
		FLogCapture Log;
		Instance->ProcessEvent(Function, &Out);
		const TArray<FString> Errors = LinesOf(Log, TEXT("LogK2Compiler: Error: "));
		ASSERT_EQ(Errors.Num(), 1);
		EXPECT_TRUE(Errors[0].EndsWith(TEXT("The evaluator runs only pure nodes, but Record runs Record Word"), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Errors[0]);
	}
	EXPECT_EQ(Out, FString(TEXT("untouched")));

	// After a failed compile the function has nothing to run.
	Record.Result->CreateUserDefinedPin(FName(TEXT("Broken")), PinType(UEdGraphSchema_K2::PC_Wildcard), EGPD_Input);
	Compile();
	ASSERT_GT(Results->NumErrors, 0);
	UFunction* const Failed = FindFunction(TEXT("Record"));
	ASSERT_NE(Failed, nullptr);
	FLogCapture Log;
	NewObject<UObject>(GetTransientPackage(), Blueprint->GeneratedClass)->ProcessEvent(Failed, &Out);
	EXPECT_EQ(LinesOf(Log, TEXT("LogK2Compiler: Error: ")).Num(), 1);
}
