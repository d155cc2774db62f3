// zova json to-array: a graph with a "Json To Array" node whose "In Json" box holds TEXT, compiled and
// evaluated; the node's outputs are read as the Blueprint would read them at run time.

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "EdGraph/EdGraphNode.h"
#include "Graph/ZovaGraphSession.h"
#include "Graph/ZovaNodeText.h"
#include "Graph/ZovaPinValueOutput.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"

namespace
{
	const TCHAR* const MenuCategory = TEXT("ZOVA Http Json");
	const TCHAR* const NodeTitle = TEXT("Json To Array");
	const TCHAR* const InJsonPinName = TEXT("In Json");
	const TCHAR* const SuccessPinName = TEXT("Success");
	const TCHAR* const StringArrayPinName = TEXT("String Array");

	void PrintResult(const FHostPinValue& Success, const FHostPinValue& StringArray, bool bJson)
	{
		if (bJson)
		{
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			Object->SetField(SuccessPinName, ZovaPinValueOutput::ToJson(Success));
			Object->SetField(StringArrayPinName, ZovaPinValueOutput::ToJson(StringArray));
			ZovaOutput::PrintJson(Object);
			return;
		}
		TArray<TArray<FString>> Rows = {{TEXT("Pin"), TEXT("Value")}, {SuccessPinName, ZovaPinValueOutput::ToLines(Success)[0]}};
		const TArray<FString> Elements = ZovaPinValueOutput::ToLines(StringArray);
		for (int32 Index = 0; Index < Elements.Num(); ++Index)
		{
			Rows.Add({FString::Printf(TEXT("%s [%d]"), StringArrayPinName, Index), Elements[Index]});
		}
		ZovaOutput::PrintTable(Rows);
	}

	int32 RunJsonToArray(const FZovaArguments& Arguments)
	{
		if (Arguments.NumPositional() != 1)
		{
			return ZovaOutput::UsageError(TEXT("json to-array takes one TEXT (see zova json to-array --help)"));
		}
		FZovaGraphSession Session;
		FString Error;
		UEdGraphNode* const Node = Session.Open(Error) ? Session.SpawnNode(MenuCategory, NodeTitle, Error) : nullptr;
		if (!Node)
		{
			return ZovaOutput::UsageError(Error);
		}
		Session.TypeDefaultValue(Node->FindPinChecked(InJsonPinName), Arguments.GetPositional(0));
		if (Arguments.HasFlag(TEXT("emit-nodes")))
		{
			return ZovaNodeText::PrintForPaste(Node, Arguments);
		}
		if (!Session.Compile(Error))
		{
			return ZovaOutput::UsageError(Error);
		}
		const TSharedPtr<const FHostPinValue> Success = Session.Evaluate(Node->FindPinChecked(SuccessPinName), Error);
		const TSharedPtr<const FHostPinValue> StringArray = Success ? Session.Evaluate(Node->FindPinChecked(StringArrayPinName), Error) : nullptr;
		if (!StringArray)
		{
			return ZovaOutput::UsageError(Error);
		}
		PrintResult(*Success, *StringArray, Arguments.WantsJson());
		return Success->Get<bool>() ? EZovaExit::Success : EZovaExit::Failure;
	}

	const FZovaCommandRegistration JsonToArrayRegistration({
		TEXT("json to-array"),
		TEXT("splits JSON array text with a compiled \"Json To Array\" node"),
		TEXT("Usage: zova json to-array TEXT [--json | --emit-nodes]\n\n")
		TEXT("Places a \"Json To Array\" node from the action menu, types TEXT into its \"In Json\" pin, compiles the\n")
		TEXT("graph and reads the \"Success\" and \"String Array\" outputs. TEXT may be \"-\" to read it from standard\n")
		TEXT("input.\n\n")
		TEXT("With --emit-nodes it prints, instead of running it, the clipboard text of the node as built, to paste\n")
		TEXT("into the Blueprint editor (Ctrl+V) or to run with zova graph run.\n\n")
		TEXT("Exit status: 0 when Success is true, 1 when it is false, 2 for bad usage.\n\n")
		TEXT("Example:\n")
		TEXT("  $ zova json to-array '[\"a\", 2, true]' --json\n")
		TEXT("  {\n")
		TEXT("  \t\"Success\": true,\n")
		TEXT("  \t\"String Array\": [ \"a\", \"2\", \"true\" ]\n")
		TEXT("  }"),
		{EZovaValue::Text},
		{},
		{TEXT("emit-nodes")},
		&RunJsonToArray,
	});
}
