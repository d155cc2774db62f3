#include "Graph/ZovaClipboardText.h"

#include "CoreUObject.h"
#include "EdGraph/EdGraphPin.h"
#include "Misc/Parse.h"
#include "UObject/Package.h"
#include "UObject/TextExportImport.h"
#include "UObject/UnrealType.h"

namespace
{

	/** A node makes as many inputs as these properties ask for, in the editor as here; text from a clipboard could ask for millions. */
	const TCHAR* const InputCountProperties[] = {TEXT("NumInputs"), TEXT("NumAdditionalInputs")};
	constexpr int64 MaxInputsPerNode = 100000;

	/** A value of a field too long to show whole in a message is cut here. */
	constexpr int32 MaxFieldTextShown = 80;

	UClass* FindPastableClass(const FString& ClassPath)
	{
		UClass* const Class = ClassPath.IsEmpty() ? nullptr : Cast<UClass>(StaticFindObject(UClass::StaticClass(), nullptr, *ClassPath));
		return Class && Class->IsChildOf(UEdGraphNode::StaticClass()) && !Class->HasAnyClassFlags(CLASS_Abstract) ? Class : nullptr;
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
	 * The top-level "Key=Value" fields of a pin's "(...)" text, each as written: a value ends at a ','
	 * or ')' outside quoted texts and brackets.
	 */
	TArray<FString> SplitPinFields(const TCHAR* PinText)
	{
		TArray<FString> Fields;
		const TCHAR* Cursor = PinText;
		while (FChar::IsWhitespace(*Cursor))
		{
			++Cursor;
		}
		if (*Cursor++ != '(')
		{
			return Fields;
		}
		const TCHAR* FieldStart = Cursor;
		for (int32 Depth = 0; Cursor && *Cursor;)
		{
			if (*Cursor == '"')
			{
				Cursor = SkipQuoted(Cursor);
				continue;
			}
			if (Depth == 0 && (*Cursor == ',' || *Cursor == ')'))
			{
				const FString Field = FString::ConstructFromPtrSize(FieldStart, (int32)(Cursor - FieldStart)).TrimStartAndEnd();
				if (!Field.IsEmpty())
				{
					Fields.Add(Field);
				}
				if (*Cursor == ')')
				{
					break;
				}
				FieldStart = Cursor + 1;
			}
			Depth += *Cursor == '(' ? 1 : (*Cursor == ')' ? -1 : 0);
			++Cursor;
		}
		return Fields;
	}

	/** Whether a pin text of the one field (and a valid id beside it) reads. */
	bool FieldReads(UEdGraphNode* Scratch, const FString& Field)
	{
		const bool bIsId = Field.StartsWith(TEXT("PinId")) && Field.Mid(5).TrimStart().StartsWith(TEXT("="));
		const FString Text = bIsId ? TEXT("(") + Field + TEXT(")") : TEXT("(PinId=00000000000000000000000000000001,") + Field + TEXT(")");
		UEdGraphPin* const Pin = UEdGraphPin::CreatePin(Scratch);
		const TCHAR* Cursor = *Text;
		const bool bRead = Pin->ImportTextItem(Cursor, PPF_Delimited, Scratch, nullptr);
		delete Pin;
		return bRead;
	}

	/** What about a pin text that does not read makes it fail: its first field that does not read, else what is missing. */
	FString DescribeUnreadPin(UEdGraphNode* Scratch, const TCHAR* PinText)
	{
		bool bHasId = false;
		for (const FString& Field : SplitPinFields(PinText))
		{
			if (!FieldReads(Scratch, Field))
			{
				return TEXT("the field ") + (Field.Len() > MaxFieldTextShown ? Field.Left(MaxFieldTextShown) + TEXT("...") : Field);
			}
			bHasId |= Field.StartsWith(TEXT("PinId"));
		}
		return bHasId ? FString(TEXT("its text, which does not end in the editor's form")) : FString(TEXT("a pin without a PinId"));
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
		for (const TCHAR* Cursor = PinText; Cursor && *Cursor;)
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

	/**
	 * The value an integer property of the block ends with, as the object text reader gives it: the
	 * first line of each entry (without an index, and index 0) counts, the later of the two last; zero
	 * lines when none sets it.
	 */
	int64 ReadIntegerProperty(const FObjectTextBlock& Block, const FNumericProperty& Property, int32& OutLineNumber)
	{
		int64 Value = 0;
		OutLineNumber = 0;
		bool bEntrySet[2] = {false, false};
		for (int32 Index = 0; Index < Block.PropertyLines.Num(); ++Index)
		{
			FString Name;
			int32 ArrayIndex = INDEX_NONE;
			FString ValueText;
			if (!ReadObjectTextAssignment(Block.PropertyLines[Index], Name, ArrayIndex, ValueText) || (ArrayIndex != INDEX_NONE && ArrayIndex != 0)
				|| Name.Len() >= NAME_SIZE || FName(*Name, FNAME_Find) != Property.GetFName())
			{
				continue;
			}
			bool& bSet = bEntrySet[ArrayIndex == INDEX_NONE ? 0 : 1];
			if (bSet)
			{
				continue;
			}
			bSet = true;
			alignas(8) uint8 Scratch[8] = {};
			if (!ValueText.IsEmpty() && ValueText[0] != ',' && ValueText[0] != ')' && Property.ImportText_Direct(*ValueText, Scratch, nullptr, PPF_Delimited))
			{
				Value = Property.GetSignedIntPropertyValue(Scratch);
				OutLineNumber = Block.PropertyLineNumbers[Index];
			}
		}
		return Value;
	}
}

bool FZovaClipboardText::Read(const FString& Text, FString& OutError)
{
	OpaqueNodes.Reset();
	InputLinks.Reset();
	Warnings.Reset();
	PastedBlocks.Reset();
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

	// A link names a node; the paste gives each name to the last block that has it, so that is the
	// block a link by that name reaches. A dropped block holds its name only when no pasted one does.
	TMap<FString, int32> PastedByName;
	TMap<FString, bool> OpaqueNames;
	TArray<int32> PastedRoots;
	for (const int32 Root : Blocks.Roots)
	{
		const FObjectTextBlock& Block = Blocks.Blocks[Root];
		const UClass* const Class = FindPastableClass(Block.ClassPath);
		if (!Class)
		{
			OpaqueNodes.Add({Block.Name, Block.ClassPath});
			OpaqueNames.Add(Block.Name, true);
			continue;
		}
		FString PropertyName;
		int32 LineNumber = 0;
		const int64 Count = GetRequestedInputs(Block, *Class, PropertyName, LineNumber);
		if (Count > MaxInputsPerNode)
		{
			OutError = FString::Printf(TEXT("line %d: expected %s of at most %lld (a node makes an input for each), not %lld"), LineNumber, *PropertyName, MaxInputsPerNode, Count);
			return false;
		}
		PastedByName.Add(Block.Name, PastedRoots.Num());
		PastedBlocks.Add({Block.Name, Block.LineNumber});
		PastedRoots.Add(Root);
	}

	// Each pin line is read by a pin of its own, as the paste reads it, then let go. The paste skips a
	// pin that does not read, with the engine's warnings; zova says which line and field, also for the
	// nodes the host drops, which the editor would paste.
	UEdGraphNode* const Scratch = NewObject<UEdGraphNode>(GetTransientPackage(), UEdGraphNode::StaticClass(), NAME_None, RF_Transient);
	int32 NextPasted = 0;
	for (const int32 Root : Blocks.Roots)
	{
		const FObjectTextBlock& Block = Blocks.Blocks[Root];
		const int32 NodeIndex = NextPasted < PastedRoots.Num() && PastedRoots[NextPasted] == Root ? NextPasted++ : INDEX_NONE;
		TArray<FString> CustomLines;
		Block.CustomText.ParseIntoArray(CustomLines, TEXT("\n"), true);
		for (int32 Index = 0; Index < CustomLines.Num(); ++Index)
		{
			const TCHAR* PinText = *CustomLines[Index];
			if (!FParse::Command(&PinText, TEXT("CustomProperties")) || !FParse::Command(&PinText, TEXT("Pin")))
			{
				continue;
			}
			UEdGraphPin* const Pin = UEdGraphPin::CreatePin(Scratch);
			const TCHAR* Cursor = PinText;
			const bool bRead = Pin->ImportTextItem(Cursor, PPF_Delimited, Scratch, nullptr);
			const FName PinName = Pin->PinName;
			const EEdGraphPinDirection Direction = Pin->Direction;
			delete Pin;
			if (!bRead)
			{
				const FString Named = PinName.IsNone() ? FString(TEXT("a pin")) : FString::Printf(TEXT("the pin \"%s\""), *PinName.ToString());
				Warnings.Add(FString::Printf(TEXT("line %d: the editor's paste skips %s, as it cannot read %s"), Block.CustomLineNumbers[Index], *Named, *DescribeUnreadPin(Scratch, PinText)));
				continue;
			}
			if (NodeIndex == INDEX_NONE || Direction != EGPD_Input)
			{
				continue;
			}
			for (const FString& Linked : ReadLinkedNodeNames(PinText))
			{
				if (const int32* const FromNode = PastedByName.Find(Linked))
				{
					InputLinks.Add({NodeIndex, PinName, *FromNode, FString()});
				}
				else if (OpaqueNames.Contains(Linked))
				{
					InputLinks.Add({NodeIndex, PinName, INDEX_NONE, Linked});
				}
			}
		}
	}
	return true;
}

TArray<FString> FZovaClipboardText::DescribeRenamedNodes(const TArray<UEdGraphNode*>& Pasted) const
{
	TArray<FString> Notes;
	for (int32 Index = 0; Index < Pasted.Num() && Index < PastedBlocks.Num(); ++Index)
	{
		const FString PastedName = Pasted[Index]->GetName();
		if (!PastedName.Equals(PastedBlocks[Index].Name, ESearchCase::CaseSensitive))
		{
			Notes.Add(FString::Printf(TEXT("line %d: the editor's paste names the node of this block %s, not %s, as another block takes that name or it cannot name a node"), PastedBlocks[Index].LineNumber, *PastedName, *PastedBlocks[Index].Name));
		}
	}
	return Notes;
}

int64 FZovaClipboardText::GetRequestedInputs(const FObjectTextBlock& Block, const UClass& Class, FString& OutPropertyName, int32& OutLineNumber)
{
	int64 Largest = 0;
	OutLineNumber = 0;
	for (const TCHAR* const PropertyName : InputCountProperties)
	{
		const FNumericProperty* const Property = CastField<FNumericProperty>(Class.FindPropertyByName(FName(PropertyName)));
		if (!Property || Property->IsFloatingPoint() || Property->ElementSize > 8)
		{
			continue;
		}
		int32 LineNumber = 0;
		const int64 Count = ReadIntegerProperty(Block, *Property, LineNumber);
		if (LineNumber > 0 && (OutLineNumber == 0 || Count > Largest))
		{
			Largest = Count;
			OutPropertyName = PropertyName;
			OutLineNumber = LineNumber;
		}
	}
	return Largest;
}
