// Node expansion of the keyed JSON nodes. Input lines: the node ("c..." for Json Create, anything
// else for Json Analyze), the JSON text (Analyze's In Json, or every Create key's value), then one
// edit per line: "+key" adds a key pin, "-n" removes key pin n, "^n" / "vn" move it up / down, "!"
// compiles now. Pin indexes wrap round the key pins there are. The node must take exactly the keys
// the model takes. After every compile, each pin must carry what the library function gives for
// the same keys and values, and the key pins must be the keys in the order the edits left them.

#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Engine/Blueprint.h"
#include "FuzzInput.h"
#include "HostGraphEvaluator.h"
#include "Kismet2/CompilerResultsLog.h"
#include "KismetCompiler.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonCreate.h"

#include <cstdio>
#include <cstdlib>

namespace
{
	void Require(bool bCondition, const char* What, const FString& Detail = FString())
	{
		if (!bCondition)
		{
			fprintf(stderr, "KeyedNodeFuzz: %s %s\n", What, TCHAR_TO_UTF8(*Detail));
			abort();
		}
	}

	/** The fixed pins come first; every later pin is a key pin. */
	constexpr int32 NumFixedPins = 2;

	TArray<UEdGraphPin*> GetKeyPins(const UZOVAK2Node_JsonBase* Node)
	{
		TArray<UEdGraphPin*> Pins;
		for (int32 Index = NumFixedPins; Index < Node->Pins.Num(); ++Index)
		{
			Pins.Add(Node->Pins[Index]);
		}
		return Pins;
	}

	bool SameValue(bool A, bool B)
	{
		return A == B;
	}

	bool SameValue(const FString& A, const FString& B)
	{
		return A.Equals(B, ESearchCase::CaseSensitive);
	}

	template <typename T>
	void RequirePinValue(const UEdGraphPin* Pin, const T& Expected, FHostGraphEvaluator& Evaluator)
	{
		FString Error;
		const TSharedPtr<const FHostPinValue> Value = Evaluator.EvaluatePin(Pin, Error);
		Require(Value.IsValid(), "a pin could not be evaluated:", Error);
		Require(SameValue(Value->Get<T>(), Expected), "a pin differs from the library:", Pin->PinName.ToString() + TEXT(" = ") + Value->ExportText());
	}

	/** Compiles the Blueprint and checks every pin of the node against the library. */
	void CompileAndCheck(UBlueprint* Blueprint, UZOVAK2Node_JsonBase* Node, bool bCreate, const FString& Text, const TArray<FString>& Keys)
	{
		const TArray<UEdGraphPin*> KeyPins = GetKeyPins(Node);
		Require(KeyPins.Num() == Keys.Num(), "the key pins are not the keys added");
		for (int32 Index = 0; Index < Keys.Num(); ++Index)
		{
			Require(KeyPins[Index]->PinName.ToString().Equals(Keys[Index], ESearchCase::CaseSensitive), "a key pin has another name or place:", Keys[Index]);
			if (bCreate)
			{
				KeyPins[Index]->DefaultValue = Text;
			}
		}

		FCompilerResultsLog Results;
		FKismetCompilerContext Compiler(Blueprint, Results, FKismetCompilerOptions());
		Compiler.CompileFunctions(EInternalCompilerFlags::None);
		Require(Results.NumErrors == 0 && Blueprint->Status == BS_UpToDate, "the graph did not compile");

		FHostGraphEvaluator Evaluator(Compiler);
		const UEdGraphPin* const SuccessPin = Node->FindPinChecked(TEXT("Success"), EGPD_Output);
		if (bCreate)
		{
			TMap<FString, FString> Map;
			for (const FString& Key : Keys)
			{
				Map.Add(Key, Text);
			}
			FString Expected;
			const bool bSuccess = UZOVABlueprintFunctionLibrary::OnCreateJson(Map, Expected);
			RequirePinValue<bool>(SuccessPin, bSuccess, Evaluator);
			RequirePinValue<FString>(Node->FindPinChecked(TEXT("Out Json"), EGPD_Output), Expected, Evaluator);
		}
		else
		{
			TArray<FString> Expected;
			const bool bSuccess = UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Text, Keys, Expected);
			RequirePinValue<bool>(SuccessPin, bSuccess, Evaluator);
			for (int32 Index = 0; Index < Keys.Num(); ++Index)
			{
				RequirePinValue<FString>(KeyPins[Index], Expected[Index], Evaluator);
			}
		}
	}

	/**
	 * Whether the node should take the key: a name the engine can hold that is not None, not a key
	 * already (ignoring case) and not the name of a fixed pin on the keys' side.
	 */
	bool ShouldTakeKey(const UZOVAK2Node_JsonBase* Node, const FString& Key, const TArray<FString>& Keys, EEdGraphPinDirection Direction)
	{
		// Checked first: longer text would make the engine assert in FName.
		if (Key.Len() >= NAME_SIZE)
		{
			return false;
		}
		const FName Name(*Key);
		if (Name.IsNone() || Keys.Contains(Key))
		{
			return false;
		}
		for (int32 Index = 0; Index < NumFixedPins; ++Index)
		{
			if (Node->Pins[Index]->Direction == Direction && Node->Pins[Index]->PinName == Name)
			{
				return false;
			}
		}
		return true;
	}

	/** The pin index an edit names, wrapped round the key pins there are. */
	int32 PinIndex(const FString& Argument, int32 NumKeys)
	{
		return (int32)((uint32)FCString::Atoi(*Argument) % (uint32)NumKeys);
	}
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
	ProcessNewlyLoadedUObjects();
	// The last inputs' graphs are collected before the leak check at exit.
	atexit([]()
		{
			CollectGarbage();
		});
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8* Data, size_t Size)
{
	const std::vector<std::string_view> Lines = FuzzInput::Split(std::string_view(reinterpret_cast<const char*>(Data), Size), "\n", 64);
	if (Lines.size() < 2)
	{
		return -1;
	}
	const bool bCreate = Lines[0].starts_with('c');
	const FString Text = FuzzInput::FromUtf8(Lines[1]);

	static int32 NumPackages = 0;
	UPackage* const Package = CreatePackage(*FString::Printf(TEXT("/Temp/KeyedNodeFuzz_%d"), ++NumPackages));
	Package->AddToRoot();
	UBlueprint* const Blueprint = NewObject<UBlueprint>(Package, FName(TEXT("FuzzBlueprint")));
	UEdGraph* const Graph = NewObject<UEdGraph>(Blueprint, FName(TEXT("EventGraph")));
	Graph->Schema = UEdGraphSchema_K2::StaticClass();
	Blueprint->UbergraphPages.Add(Graph);

	UZOVAK2Node_JsonBase* const Node = bCreate ? (UZOVAK2Node_JsonBase*)NewObject<UZOVAK2Node_JsonCreate>(Graph) : (UZOVAK2Node_JsonBase*)NewObject<UZOVAK2Node_Json>(Graph);
	Node->CreateNewGuid();
	Node->AllocateDefaultPins();
	Graph->AddNode(Node);
	const EEdGraphPinDirection KeyDirection = bCreate ? EGPD_Input : EGPD_Output;
	if (!bCreate)
	{
		Node->FindPinChecked(TEXT("In Json"), EGPD_Input)->DefaultValue = Text;
	}

	// What the key pins should be after each edit.
	TArray<FString> Keys;
	for (size_t LineIndex = 2; LineIndex < Lines.size(); ++LineIndex)
	{
		const std::string_view Line = Lines[LineIndex];
		if (Line.empty())
		{
			continue;
		}
		const FString Argument = FuzzInput::FromUtf8(Line.substr(1));
		const TArray<UEdGraphPin*> KeyPins = GetKeyPins(Node);
		switch (Line[0])
		{
		case '+':
		{
			const bool bShouldTake = ShouldTakeKey(Node, Argument, Keys, KeyDirection);
			Require(Node->AddKeyPin(Argument, KeyDirection) == bShouldTake, bShouldTake ? "the node refused a key:" : "the node took a key it should refuse:", Argument.Left(64));
			if (bShouldTake)
			{
				Keys.Add(Argument);
			}
			break;
		}
		case '-':
			if (!Keys.IsEmpty())
			{
				const int32 Index = PinIndex(Argument, Keys.Num());
				Node->RemoveKeyPin(KeyPins[Index]);
				Keys.RemoveAt(Index);
			}
			break;
		case '^':
		case 'v':
			if (!Keys.IsEmpty())
			{
				const int32 Index = PinIndex(Argument, Keys.Num());
				const int32 Neighbour = Line[0] == '^' ? Index - 1 : Index + 1;
				Line[0] == '^' ? Node->MoveKeyPinUp(KeyPins[Index]) : Node->MoveKeyPinDown(KeyPins[Index]);
				if (Keys.IsValidIndex(Neighbour))
				{
					Keys.Swap(Index, Neighbour);
				}
			}
			break;
		case '!':
			CompileAndCheck(Blueprint, Node, bCreate, Text, Keys);
			break;
		default:
			break;
		}
	}
	CompileAndCheck(Blueprint, Node, bCreate, Text, Keys);

	// Collecting after every input would cost more than the input itself.
	Package->RemoveFromRoot();
	if (NumPackages % 64 == 0)
	{
		CollectGarbage();
	}
	return 0;
}
