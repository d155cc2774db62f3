#include "Graph/ZovaClipboardText.h"

#include "CoreUObject.h"
#include "EdGraph/EdGraphPin.h"
#include "UObject/Package.h"
#include "UObject/TextExportImport.h"

namespace
{
	const TCHAR PinLinePrefix[] = TEXT("CustomProperties Pin ");

	bool IsPastableClass(const FString& ClassPath)
	{
		const UClass* const Class = ClassPath.IsEmpty() ? nullptr : Cast<UClass>(StaticFindObject(UClass::StaticClass(), nullptr, *ClassPath));
		return Class && Class->IsChildOf(UEdGraphNode::StaticClass()) && !Class->HasAnyClassFlags(CLASS_Abstract);
	}

	/** Moves past one quoted text, its escapes included; null when it does not end. */
	const TCHAR* SkipQuoted(const TCHAR* Cursor)
	{
		for (++Cursor; *Cursor && *Cursor != '"'; ++Cursor)
		{
			if (*Cursor == '\\' && Cursor[1])
			{
				++Cursor;
			}
		}
		return *Cursor ? Cursor + 1 : nullptr;
	}

	/**
	 * The node names a pin's "LinkedTo=(Node PinId,...)" lists. The pin text has read already, so
	 * only the field's place is looked for: outside quoted texts and at the top level of the pin.
	 */
	TArray<FString> ReadLinkedNodeNames(const TCHAR* PinText)
	{
		TArray<FString> Names;
		static const FString LinkedToKey(TEXT("LinkedTo=("));
		int32 Depth = 0;
		bool bFieldStart = false;
		for (const TCHAR* Cursor = PinText; Cursor && *Cursor; )
		{
			if (*Cursor == '"')
			{
				Cursor = SkipQuoted(Cursor);
				continue;
			}
			if (Depth == 1 && bFieldStart && FCString::Strncmp(Cursor, *LinkedToKey, LinkedToKey.Len()) == 0)
			{
				Cursor += LinkedToKey.Len();
				while (*Cursor && *Cursor != ')')
				{
					FString Name;
					while (FChar::IsWhitespace(*Cursor) || *Cursor == ',')
					{
						++Cursor;
					}
					while (*Cursor && *Cursor != ' ' && *Cursor != ')' && *Cursor != ',')
					{
						Name.AppendChar(*Cursor++);
					}
					while (*Cursor && *Cursor != ',' && *Cursor != ')')
					{
						++Cursor;
					}
					if (!Name.IsEmpty())
					{
						Names.Add(Name);
					}
				}
				return Names;
			}
			bFieldStart = *Cursor == '(' || *Cursor == ',' || (bFieldStart && FChar::IsWhitespace(*Cursor));
			Depth += *Cursor == '(' ? 1 : (*Cursor == ')' ? -1 : 0);
			++Cursor;
		}
		return Names;
	}
}

bool FZovaClipboardText::Read(const FString& Text, FString& OutError)
{
	OpaqueNodes.Reset();
	InputLinks.Reset();
	FObjectTextBlocks Blocks;
	ParseObjectTextBlocks(*Text, Blocks, &OutError);
	if (!OutError.IsEmpty())
	{
		return false;
	}
	if (Blocks.Roots.IsEmpty())
	{
		OutError = TEXT("line 1: expected Begin Object Class=... Name=\"...\" (the text holds no node)");
		return false;
	}

	// A node makes as many inputs as its NumInputs asks for, in the editor as here; text from a clipboard
	// could ask for millions.
	constexpr int64 MaxInputsPerNode = 100000;
	for (const FObjectTextBlock& Block : Blocks.Blocks)
	{
		for (const FString& Line : Block.PropertyLines)
		{
			// However the line spells it: "numinputs = N", "NumInputs(0)=N".
			FString Name;
			int32 Index = INDEX_NONE;
			FString Value;
			if (ReadObjectTextAssignment(Line, Name, Index, Value) && Name == TEXT("NumInputs") && FCString::Atoi64(*Value) > MaxInputsPerNode)
			{
				OutError = FString::Printf(TEXT("line %d: expected a node of at most %lld inputs (NumInputs) in the block that starts here"), Block.LineNumber, MaxInputsPerNode);
				return false;
			}
		}
	}

	TMap<FString, bool> OpaqueNames;
	TMap<FString, bool> BlockNames;
	for (const int32 Root : Blocks.Roots)
	{
		const FObjectTextBlock& Block = Blocks.Blocks[Root];
		BlockNames.Add(Block.Name, true);
		if (!IsPastableClass(Block.ClassPath))
		{
			OpaqueNodes.Add({Block.Name, Block.ClassPath});
			OpaqueNames.Add(Block.Name, true);
		}
	}

	// Each pin line is read by a pin of its own, as the paste reads it, then let go.
	UEdGraphNode* const Scratch = NewObject<UEdGraphNode>(GetTransientPackage(), UEdGraphNode::StaticClass(), NAME_None, RF_Transient);
	const int32 PrefixLength = UE_ARRAY_COUNT(PinLinePrefix) - 1;
	for (const int32 Root : Blocks.Roots)
	{
		const FObjectTextBlock& Block = Blocks.Blocks[Root];
		TArray<FString> CustomLines;
		Block.CustomText.ParseIntoArray(CustomLines, TEXT("\n"), true);
		for (int32 Index = 0; Index < CustomLines.Num(); ++Index)
		{
			if (!CustomLines[Index].StartsWith(TEXT("CustomProperties Pin"), ESearchCase::CaseSensitive))
			{
				continue;
			}
			const TCHAR* PinText = CustomLines[Index].Len() >= PrefixLength ? *CustomLines[Index] + PrefixLength : TEXT("");
			UEdGraphPin* const Pin = UEdGraphPin::CreatePin(Scratch);
			const bool bRead = Pin->ImportTextItem(PinText, PPF_Delimited, Scratch, nullptr);
			const FName PinName = Pin->PinName;
			const EEdGraphPinDirection Direction = Pin->Direction;
			delete Pin;
			if (!bRead)
			{
				OutError = FString::Printf(TEXT("line %d: expected a pin in the editor's form, CustomProperties Pin (PinId=<32 hex digits>,PinName=\"...\",...)"), Block.CustomLineNumbers[Index]);
				return false;
			}
			if (OpaqueNames.Contains(Block.Name) || Direction != EGPD_Input)
			{
				continue;
			}
			for (const FString& Linked : ReadLinkedNodeNames(*CustomLines[Index] + PrefixLength))
			{
				if (BlockNames.Contains(Linked))
				{
					InputLinks.Add({Block.Name, PinName, Linked});
				}
			}
		}
	}
	return true;
}
