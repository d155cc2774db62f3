// zova json analyze / create / array: graphs with a "Json Analyze", "Json Create" or "Json Array Create"
// node, built the way an author builds them: keys are typed into the node's key box and added with its
// "Add Json Key" button, inputs are added with "Add Pin", values are typed into pins. The graph is then
// compiled and the node's outputs evaluated as the Blueprint would read them at run time.

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "EdGraph/EdGraphNode.h"
#include "Graph/ZovaGraphSession.h"
#include "Graph/ZovaNodeText.h"
#include "Graph/ZovaNodeWidget.h"
#include "Graph/ZovaPinValueOutput.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"

namespace
{
	const TCHAR* const MenuCategory = TEXT("ZOVA Http Json");
	const TCHAR* const InJsonPinName = TEXT("In Json");
	const TCHAR* const SuccessPinName = TEXT("Success");
	const TCHAR* const OutJsonPinName = TEXT("Out Json");
	const TCHAR* const EmitNodesFlag = TEXT("emit-nodes");

	/** Compiles the session's graph and evaluates the node's pins, in order; null with OutError on failure. */
	TArray<TSharedPtr<const FHostPinValue>> CompileAndEvaluate(FZovaGraphSession& Session, const TArray<UEdGraphPin*>& Pins, FString& OutError)
	{
		TArray<TSharedPtr<const FHostPinValue>> Values;
		if (!Session.Compile(OutError))
		{
			return Values;
		}
		for (const UEdGraphPin* Pin : Pins)
		{
			const TSharedPtr<const FHostPinValue> Value = Session.Evaluate(Pin, OutError);
			if (!Value)
			{
				Values.Reset();
				return Values;
			}
			Values.Add(Value);
		}
		return Values;
	}

	/** The message for a key the node refused: the key, cut short when long, and the node's reason. */
	FString RefusedKeyError(const UEdGraphNode& Node, const FString& Key, const FText& Reason)
	{
		constexpr int32 MaxShownCharacters = 64;
		// Escaped here, not only when printed: a key may hold a NUL, which would end the formatted text.
		const FString Escaped = ZovaOutput::EscapeForTerminal(Key.Left(MaxShownCharacters));
		const FString Shown = Key.Len() > MaxShownCharacters ? FString::Printf(TEXT("\"%s...\" (%d characters)"), *Escaped, Key.Len()) : FString::Printf(TEXT("\"%s\""), *Escaped);
		return FString::Printf(TEXT("the \"%s\" node refused the key %s: %s"), *Node.GetNodeTitle(ENodeTitleType::MenuTitle).ToString(), *Shown, *Reason.ToString());
	}

	/** The node's pins of one direction with these names, in that order, found in one pass over the node. */
	TArray<UEdGraphPin*> FindPins(const UEdGraphNode& Node, EEdGraphPinDirection Direction, const TArray<FString>& Names)
	{
		TMap<FName, UEdGraphPin*> PinsByName;
		for (UEdGraphPin* Pin : Node.Pins)
		{
			if (Pin->Direction == Direction)
			{
				PinsByName.Add(Pin->PinName, Pin);
			}
		}
		TArray<UEdGraphPin*> Found;
		for (const FString& Name : Names)
		{
			Found.Add(PinsByName.FindChecked(FName(*Name)));
		}
		return Found;
	}

	/** Adds the keys through the node's widget, in order; the message for the first refusal, or empty. */
	FString AddKeys(UEdGraphNode& Node, const TArray<FString>& Keys)
	{
		FZovaNodeWidget Widget(&Node);
		for (const FString& Key : Keys)
		{
			if (const FText Refusal = Widget.AddKey(Key); !Refusal.IsEmpty())
			{
				return RefusedKeyError(Node, Key, Refusal);
			}
		}
		return FString();
	}

	/** Success and "Out Json", as JSON or as a table; the exit status follows Success. */
	int32 PrintOutJsonResult(const FHostPinValue& Success, const FHostPinValue& OutJson, bool bJson)
	{
		if (bJson)
		{
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			Object->SetField(SuccessPinName, ZovaPinValueOutput::ToJson(Success));
			Object->SetField(OutJsonPinName, ZovaPinValueOutput::ToJson(OutJson));
			ZovaOutput::PrintJson(Object);
		}
		else
		{
			ZovaOutput::PrintTable({{TEXT("Pin"), TEXT("Value")}, {SuccessPinName, ZovaPinValueOutput::ToLines(Success)[0]}, {OutJsonPinName, ZovaPinValueOutput::ToLines(OutJson)[0]}});
		}
		return Success.Get<bool>() ? EZovaExit::Success : EZovaExit::Failure;
	}

	int32 RunJsonAnalyze(const FZovaArguments& Arguments)
	{
		const TArray<FString> Keys = Arguments.GetOptionValues(TEXT("key"));
		if (Arguments.NumPositional() != 1 || Keys.IsEmpty())
		{
			return ZovaOutput::UsageError(TEXT("json analyze takes one TEXT and at least one --key (see zova json analyze --help)"));
		}
		FZovaGraphSession Session;
		FString Error;
		UEdGraphNode* const Node = Session.Open(Error) ? Session.SpawnNode(MenuCategory, TEXT("Json Analyze"), Error) : nullptr;
		if (!Node)
		{
			return ZovaOutput::UsageError(Error);
		}
		if (const FString Refusal = AddKeys(*Node, Keys); !Refusal.IsEmpty())
		{
			return ZovaOutput::UsageError(Refusal);
		}
		Session.TypeDefaultValue(Node->FindPinChecked(InJsonPinName, EGPD_Input), Arguments.GetPositional(0));
		if (Arguments.HasFlag(EmitNodesFlag))
		{
			return ZovaNodeText::PrintForPaste(Node, Arguments);
		}

		TArray<UEdGraphPin*> Outputs = {Node->FindPinChecked(SuccessPinName, EGPD_Output)};
		Outputs.Append(FindPins(*Node, EGPD_Output, Keys));
		const TArray<TSharedPtr<const FHostPinValue>> Values = CompileAndEvaluate(Session, Outputs, Error);
		if (Values.IsEmpty())
		{
			return ZovaOutput::UsageError(Error);
		}

		if (Arguments.WantsJson())
		{
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			const TSharedRef<FJsonObject> KeyValues = MakeShared<FJsonObject>();
			TArray<TSharedPtr<FJsonValue>> Order;
			for (int32 Index = 0; Index < Keys.Num(); ++Index)
			{
				KeyValues->SetField(Keys[Index], ZovaPinValueOutput::ToJson(*Values[Index + 1]));
				Order.Add(MakeShared<FJsonValueString>(Keys[Index]));
			}
			Object->SetField(SuccessPinName, ZovaPinValueOutput::ToJson(*Values[0]));
			Object->SetObjectField(TEXT("values"), KeyValues);
			Object->SetArrayField(TEXT("order"), Order);
			ZovaOutput::PrintJson(Object);
		}
		else
		{
			TArray<TArray<FString>> Rows = {{TEXT("Pin"), TEXT("Value")}, {SuccessPinName, ZovaPinValueOutput::ToLines(*Values[0])[0]}};
			for (int32 Index = 0; Index < Keys.Num(); ++Index)
			{
				Rows.Add({Keys[Index], ZovaPinValueOutput::ToLines(*Values[Index + 1])[0]});
			}
			ZovaOutput::PrintTable(Rows);
		}
		return Values[0]->Get<bool>() ? EZovaExit::Success : EZovaExit::Failure;
	}

	int32 RunJsonCreate(const FZovaArguments& Arguments)
	{
		if (Arguments.NumPositional() == 0)
		{
			return ZovaOutput::UsageError(TEXT("json create takes at least one K=V (see zova json create --help)"));
		}
		TArray<TPair<FString, FString>> Members;
		for (int32 Index = 0; Index < Arguments.NumPositional(); ++Index)
		{
			const FString Pair = Arguments.GetPositional(Index);
			const int32 Separator = Pair.Find(TEXT("="), ESearchCase::CaseSensitive);
			if (Separator == INDEX_NONE)
			{
				return ZovaOutput::UsageError(FString::Printf(TEXT("\"%s\" is not K=V: the key and value are joined by \"=\""), *Pair));
			}
			Members.Emplace(Pair.Left(Separator), Pair.Mid(Separator + 1));
		}

		FZovaGraphSession Session;
		FString Error;
		UEdGraphNode* const Node = Session.Open(Error) ? Session.SpawnNode(MenuCategory, TEXT("Json Create"), Error) : nullptr;
		if (!Node)
		{
			return ZovaOutput::UsageError(Error);
		}
		TArray<FString> Keys;
		for (const TPair<FString, FString>& Member : Members)
		{
			Keys.Add(Member.Key);
		}
		if (const FString Refusal = AddKeys(*Node, Keys); !Refusal.IsEmpty())
		{
			return ZovaOutput::UsageError(Refusal);
		}
		const TArray<UEdGraphPin*> KeyPins = FindPins(*Node, EGPD_Input, Keys);
		for (int32 Index = 0; Index < Members.Num(); ++Index)
		{
			Session.TypeDefaultValue(KeyPins[Index], Members[Index].Value);
		}
		if (Arguments.HasFlag(EmitNodesFlag))
		{
			return ZovaNodeText::PrintForPaste(Node, Arguments);
		}

		const TArray<TSharedPtr<const FHostPinValue>> Values = CompileAndEvaluate(Session, {Node->FindPinChecked(SuccessPinName, EGPD_Output), Node->FindPinChecked(OutJsonPinName, EGPD_Output)}, Error);
		if (Values.IsEmpty())
		{
			return ZovaOutput::UsageError(Error);
		}
		return PrintOutJsonResult(*Values[0], *Values[1], Arguments.WantsJson());
	}

	int32 RunJsonArray(const FZovaArguments& Arguments)
	{
		if (Arguments.NumPositional() == 0)
		{
			return ZovaOutput::UsageError(TEXT("json array takes at least one V (see zova json array --help)"));
		}
		FZovaGraphSession Session;
		FString Error;
		UEdGraphNode* const Node = Session.Open(Error) ? Session.SpawnNode(MenuCategory, TEXT("Json Array Create"), Error) : nullptr;
		if (!Node)
		{
			return ZovaOutput::UsageError(Error);
		}
		// The node starts with the input "[0]".
		FZovaNodeWidget Widget(Node);
		for (int32 Index = 1; Index < Arguments.NumPositional(); ++Index)
		{
			Widget.Click(TEXT("Add Pin"));
		}
		TArray<FString> InputNames;
		for (int32 Index = 0; Index < Arguments.NumPositional(); ++Index)
		{
			InputNames.Add(FString::Printf(TEXT("[%d]"), Index));
		}
		const TArray<UEdGraphPin*> Inputs = FindPins(*Node, EGPD_Input, InputNames);
		for (int32 Index = 0; Index < Inputs.Num(); ++Index)
		{
			Session.TypeDefaultValue(Inputs[Index], Arguments.GetPositional(Index));
		}
		if (Arguments.HasFlag(EmitNodesFlag))
		{
			return ZovaNodeText::PrintForPaste(Node, Arguments);
		}

		const TArray<TSharedPtr<const FHostPinValue>> Values = CompileAndEvaluate(Session, {Node->FindPinChecked(SuccessPinName, EGPD_Output), Node->FindPinChecked(OutJsonPinName, EGPD_Output)}, Error);
		if (Values.IsEmpty())
		{
			return ZovaOutput::UsageError(Error);
		}
		return PrintOutJsonResult(*Values[0], *Values[1], Arguments.WantsJson());
	}

	const FZovaCommandRegistration JsonAnalyzeRegistration({
		TEXT("json analyze"),
		TEXT("reads values out of JSON text by key with a compiled \"Json Analyze\" node"),
		TEXT("Usage: zova json analyze TEXT --key K [--key K ...] [--json | --emit-nodes]\n\n")
		TEXT("Places a \"Json Analyze\" node from the action menu, adds each key with the node's \"Add Json Key\"\n")
		TEXT("button, in order (the key pasted into the key box, then the button clicked), types TEXT into its\n")
		TEXT("\"In Json\" pin, compiles the graph and reads \"Success\" and the key pins. A key starting with \"/\" is\n")
		TEXT("a JSON Pointer into nested objects and arrays. One of TEXT and the keys may be \"-\" to read it from\n")
		TEXT("standard input (a key loses one trailing newline, TEXT is kept as it is).\n\n")
		TEXT("With --emit-nodes it prints, instead of running it, the clipboard text of the node as built, to paste\n")
		TEXT("into the Blueprint editor (Ctrl+V) or to run with zova graph run.\n\n")
		TEXT("Exit status: 0 when Success is true, 1 when it is false, 2 for bad usage or when the node refuses a\n")
		TEXT("key (empty, repeated ignoring case, the name of one of its own pins, or no name the engine can hold).\n\n")
		TEXT("Example:\n")
		TEXT("  $ zova json analyze '{\"name\":\"Zova\",\"address\":{\"city\":\"Paris\"}}' --key name --key /address/city\n")
		TEXT("  Pin            Value\n")
		TEXT("  Success        true\n")
		TEXT("  name           Zova\n")
		TEXT("  /address/city  Paris"),
		{EZovaValue::Text},
		{{TEXT("key"), EZovaValue::Line, true}},
		{EmitNodesFlag},
		&RunJsonAnalyze,
	});

	const FZovaCommandRegistration JsonCreateRegistration({
		TEXT("json create"),
		TEXT("builds JSON object text from K=V pairs with a compiled \"Json Create\" node"),
		TEXT("Usage: zova json create K=V [K=V ...] [--json | --emit-nodes]\n\n")
		TEXT("Places a \"Json Create\" node from the action menu, adds each key K with the node's \"Add Json Key\"\n")
		TEXT("button, in order, types each V into its key's pin, compiles the graph and reads \"Success\" and\n")
		TEXT("\"Out Json\". A V that is JSON object or array text is nested as JSON. The key ends at the first \"=\".\n")
		TEXT("One K=V may be \"-\" to read it from standard input, as it is.\n\n")
		TEXT("With --emit-nodes it prints, instead of running it, the clipboard text of the node as built, to paste\n")
		TEXT("into the Blueprint editor (Ctrl+V) or to run with zova graph run.\n\n")
		TEXT("Exit status: 0 when Success is true, 1 when it is false, 2 for bad usage or when the node refuses a\n")
		TEXT("key.\n\n")
		TEXT("Example:\n")
		TEXT("  $ zova json create name=Zova 'tags=[\"a\"]'\n")
		TEXT("  Pin       Value\n")
		TEXT("  Success   true\n")
		TEXT("  Out Json  {\"name\":\"Zova\",\"tags\":[\"a\"]}"),
		{EZovaValue::Text},
		{},
		{EmitNodesFlag},
		&RunJsonCreate,
	});

	const FZovaCommandRegistration JsonArrayRegistration({
		TEXT("json array"),
		TEXT("builds JSON array text from values with a compiled \"Json Array Create\" node"),
		TEXT("Usage: zova json array V [V ...] [--json | --emit-nodes]\n\n")
		TEXT("Places a \"Json Array Create\" node from the action menu, clicks its \"Add Pin\" button until it has one\n")
		TEXT("input per V, types each V into its input, compiles the graph and reads \"Success\" and \"Out Json\". A V\n")
		TEXT("that is JSON object or array text is nested as JSON. Values that start with \"-\" may follow \"--\";\n")
		TEXT("one V may be \"-\" to read it from standard input, as it is.\n\n")
		TEXT("With --emit-nodes it prints, instead of running it, the clipboard text of the node as built, to paste\n")
		TEXT("into the Blueprint editor (Ctrl+V) or to run with zova graph run.\n\n")
		TEXT("Exit status: 0 when Success is true, 1 when it is false, 2 for bad usage.\n\n")
		TEXT("Example:\n")
		TEXT("  $ zova json array a 2 '{\"n\":1}'\n")
		TEXT("  Pin       Value\n")
		TEXT("  Success   true\n")
		TEXT("  Out Json  [\"a\",\"2\",{\"n\":1}]"),
		{EZovaValue::Text},
		{},
		{EmitNodesFlag},
		&RunJsonArray,
	});
}
