#include "UObject/TextExportImport.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Misc/StringOutputDevice.h"
#include "ObjectTextReferences.h"
#include "PropertyLineImporter.h"
#include "Templates/Casts.h"
#include "UObjectArray.h"

#include <algorithm>
#include <memory>

namespace
{
	const TMap<FString, UObject*>* GReferenceRemap = nullptr;

	FString Indentation(int32 Depth)
	{
		return FString::ChrN(Depth * 3, ' ');
	}

	/**
	 * The property's lines, as the engine writes them: nothing when it equals the defaults, one
	 * "Name(Index)=Value" line per array element that differs (and the last one when the defaults
	 * have fewer), "Name=" for an empty array whose defaults are not, "Name.RemoveIndex(Index)" for
	 * default elements past the end. Each line ends in "\r\n", as the engine ends it on every platform.
	 */
	void ExportPropertyLines(const FProperty* Property, const UObject* Object, const UObject* Defaults, const FString& Indent, FString& Out)
	{
		const void* const Value = Property->ContainerPtrToValuePtr(Object);
		const void* const DefaultValue = Defaults && Defaults != Object ? Property->ContainerPtrToValuePtr(Defaults) : nullptr;
		const uint32 PortFlags = PPF_Delimited;
		const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(Property);
		if (!ArrayProperty)
		{
			if (DefaultValue && Property->Identical(Value, DefaultValue, PortFlags))
			{
				return;
			}
			FString Text;
			Property->ExportTextItem_Direct(Text, Value, DefaultValue, const_cast<UObject*>(Object), PortFlags);
			Out += FString::Printf(TEXT("%s%s=%s\r\n"), *Indent, *Property->GetName(), *Text);
			return;
		}
		const FScriptArrayHelper Array(ArrayProperty, Value);
		const int32 NumDefaults = DefaultValue ? FScriptArrayHelper(ArrayProperty, DefaultValue).Num() : 0;
		if (Array.Num() == 0 && NumDefaults != 0)
		{
			Out += FString::Printf(TEXT("%s%s=\r\n"), *Indent, *Property->GetName());
			return;
		}
		// Elements past the defaults are compared with a new element when that is a struct, and written otherwise.
		const FStructProperty* const StructInner = CastField<FStructProperty>(ArrayProperty->Inner);
		TArray<uint8> NewStruct;
		if (StructInner)
		{
			NewStruct.SetNumZeroed(StructInner->ElementSize);
			StructInner->InitializeValue(NewStruct.GetData());
		}
		for (int32 Index = 0; Index < Array.Num(); ++Index)
		{
			const void* const ElementDefault = Index < NumDefaults ? FScriptArrayHelper(ArrayProperty, DefaultValue).GetRawPtr(Index) : (StructInner ? NewStruct.GetData() : nullptr);
			const bool bLastBeyondDefaults = Index >= NumDefaults && Index == Array.Num() - 1;
			if (ElementDefault && !bLastBeyondDefaults && ArrayProperty->Inner->Identical(Array.GetRawPtr(Index), ElementDefault, PortFlags))
			{
				continue;
			}
			FString Text;
			ArrayProperty->Inner->ExportTextItem_Direct(Text, Array.GetRawPtr(Index), ElementDefault, const_cast<UObject*>(Object), PortFlags);
			Out += FString::Printf(TEXT("%s%s(%d)=%s\r\n"), *Indent, *Property->GetName(), Index, *Text);
		}
		if (StructInner)
		{
			StructInner->DestroyValue(NewStruct.GetData());
		}
		for (int32 Index = NumDefaults - 1; Index >= Array.Num(); --Index)
		{
			Out += FString::Printf(TEXT("%s%s.RemoveIndex(%d)\r\n"), *Indent, *Property->GetName(), Index);
		}
	}

	/** The engine ends the Begin Object line with the platform's line terminator and every other line with "\r\n". */
	void ExportObject(const UObject* Object, int32 Depth, bool bWithInners, FString& Out)
	{
		const FString Indent = Indentation(Depth);
		Out += FString::Printf(TEXT("%sBegin Object Class=%s Name=%s ExportPath=%s%s"), *Indent, *Object->GetClass()->GetPathName(),
			*UE::CoreUObject::Private::QuoteText(Object->GetName()),
			*UE::CoreUObject::Private::QuoteText(FString::Printf(TEXT("%s'%s'"), *Object->GetClass()->GetPathName(), *Object->GetPathName())), LINE_TERMINATOR);

		TArray<UObject*> Inners;
		if (bWithInners)
		{
			GetObjectsWithOuter(Object, Inners, false);
		}
		for (const UObject* Inner : Inners)
		{
			if (!Inner->HasAnyFlags(RF_Transient | RF_ClassDefaultObject))
			{
				ExportObject(Inner, Depth + 1, true, Out);
			}
		}

		const UObject* Defaults = Object->GetClass()->GetDefaultObject();
		const FString PropertyIndent = Indentation(Depth + 1);
		for (TFieldIterator<FProperty> It(Object->GetClass()); It; ++It)
		{
			if (It->ShouldPort())
			{
				ExportPropertyLines(*It, Object, Defaults, PropertyIndent, Out);
			}
		}

		FStringOutputDevice Custom;
		const_cast<UObject*>(Object)->ExportCustomProperties(Custom, (uint32)(Depth + 1) * 3);
		Out += Custom;
		Out += FString::Printf(TEXT("%sEnd Object\r\n"), *Indent);
	}

	/** Reads "Key=value" or Key="value" from a Begin Object line, the key in any case. */
	FString ReadHeaderValue(const FString& Line, const TCHAR* Key)
	{
		const int32 Start = Line.Find(FString(Key) + TEXT("="), ESearchCase::IgnoreCase);
		if (Start == INDEX_NONE)
		{
			return FString();
		}
		const TCHAR* Cursor = *Line + Start + FCString::Strlen(Key) + 1;
		FString Value;
		if (*Cursor == '"')
		{
			UE::CoreUObject::Private::ReadQuotedText(Cursor, Value);
			return Value;
		}
		while (*Cursor && !FChar::IsWhitespace(*Cursor))
		{
			Value.AppendChar(*Cursor++);
		}
		return Value;
	}

	/** Whether Line starts with the two words, in any case, followed by the end or a space. */
	bool StartsWithWords(const FString& Line, const TCHAR* Words)
	{
		const int32 Length = FCString::Strlen(Words);
		return Line.StartsWith(Words, ESearchCase::IgnoreCase) && (Line.Len() == Length || FChar::IsWhitespace(Line[Length]));
	}

	FString WithoutTrailingSemicolons(const FString& Line)
	{
		int32 Length = Line.Len();
		while (Length > 0 && (Line[Length - 1] == ';' || Line[Length - 1] == ' ' || Line[Length - 1] == '\t'))
		{
			--Length;
		}
		return Line.Left(Length);
	}

	void NoteProblem(FString* OutProblem, int32 LineNumber, const TCHAR* Expected)
	{
		if (OutProblem && OutProblem->IsEmpty())
		{
			*OutProblem = FString::Printf(TEXT("line %d: expected %s"), LineNumber, Expected);
		}
	}

	struct FImportState
	{
		FObjectTextBlocks Blocks;
		TArray<UObject*> Created;
	};

	bool CreateObjects(FImportState& State, int32 BlockIndex, UObject* Outer, FName Name, TMap<FString, UObject*>& Remap)
	{
		// Depth-first without recursion: each entry is a block and the outer to create it in.
		TArray<TPair<int32, UObject*>> Pending = {{BlockIndex, Outer}};
		bool bRoot = true;
		while (!Pending.IsEmpty())
		{
			const TPair<int32, UObject*> Entry = Pending.Pop();
			const FObjectTextBlock& Block = State.Blocks.Blocks[Entry.Key];
			// A block without a class defines the subobject an earlier block of its outer declared.
			if (!bRoot && Block.ClassPath.IsEmpty())
			{
				UObject* const Declared = Block.Name.Len() < NAME_SIZE ? StaticFindObjectFast(nullptr, Entry.Value, FName(*Block.Name, FNAME_Find)) : nullptr;
				if (!Declared)
				{
					return false;
				}
				State.Created[Entry.Key] = Declared;
				for (int32 Child = Block.Children.Num() - 1; Child >= 0; --Child)
				{
					Pending.Emplace(Block.Children[Child], Declared);
				}
				continue;
			}
			UClass* Class = Cast<UClass>(StaticFindObject(UClass::StaticClass(), nullptr, *Block.ClassPath));
			if (!Class || Class->HasAnyClassFlags(CLASS_Abstract))
			{
				return false;
			}
			FName NewName = bRoot ? Name : NAME_None;
			bRoot = false;
			if (NewName.IsNone() || StaticFindObjectFast(nullptr, Entry.Value, NewName))
			{
				const FName Exported(*Block.Name);
				NewName = !Block.Name.IsEmpty() && !StaticFindObjectFast(nullptr, Entry.Value, Exported) ? Exported : MakeUniqueObjectName(Entry.Value, Class);
			}
			UObject* const Created = NewObject<UObject>(Entry.Value, Class, NewName, RF_Transactional);
			State.Created[Entry.Key] = Created;
			if (!Block.ExportPath.IsEmpty())
			{
				Remap.Add(Block.ExportPath, Created);
				int32 Quote = INDEX_NONE;
				if (Block.ExportPath.FindChar('\'', Quote))
				{
					Remap.Add(Block.ExportPath.Mid(Quote + 1, Block.ExportPath.Len() - Quote - 2), Created);
				}
			}
			for (int32 Child = Block.Children.Num() - 1; Child >= 0; --Child)
			{
				Pending.Emplace(Block.Children[Child], Created);
			}
		}
		return true;
	}

	/** The block and every block inside it, outer blocks first. */
	TArray<int32> CollectBlocks(const FObjectTextBlocks& Blocks, int32 Root)
	{
		TArray<int32> Order = {Root};
		for (int32 Index = 0; Index < Order.Num(); ++Index)
		{
			Order.Append(Blocks.Blocks[Order[Index]].Children);
		}
		return Order;
	}
}

void ParseObjectTextBlocks(const TCHAR* Text, FObjectTextBlocks& OutBlocks, FString* OutProblem)
{
	OutBlocks.Blocks.Reset();
	OutBlocks.Roots.Reset();
	TArray<int32> Open;
	int32 LineNumber = 0;
	for (const TCHAR* Cursor = Text; *Cursor;)
	{
		// A line ends at "\r\n", "\n" or a lone "\r", as the engine's line reader ends it.
		const TCHAR* LineEnd = Cursor;
		while (*LineEnd && *LineEnd != '\n' && *LineEnd != '\r')
		{
			++LineEnd;
		}
		++LineNumber;
		const FString Line = FString::ConstructFromPtrSize(Cursor, (int32)(LineEnd - Cursor)).TrimStartAndEnd();
		Cursor = LineEnd[0] == '\r' && LineEnd[1] == '\n' ? LineEnd + 2 : (*LineEnd ? LineEnd + 1 : LineEnd);

		if (StartsWithWords(Line, TEXT("Begin Object")))
		{
			const int32 Index = OutBlocks.Blocks.AddDefaulted();
			FObjectTextBlock& Block = OutBlocks.Blocks[Index];
			Block.ClassPath = ReadHeaderValue(Line, TEXT("Class"));
			Block.Name = ReadHeaderValue(Line, TEXT("Name"));
			Block.ExportPath = ReadHeaderValue(Line, TEXT("ExportPath"));
			Block.LineNumber = LineNumber;
			Block.BeginLine = Line;
			if (Block.ClassPath.IsEmpty() && Open.IsEmpty())
			{
				NoteProblem(OutProblem, LineNumber, TEXT("Class=/Script/<Module>.<Class> on the Begin Object line"));
			}
			(Open.IsEmpty() ? OutBlocks.Roots : OutBlocks.Blocks[Open.Last()].Children).Add(Index);
			Open.Add(Index);
		}
		else if (StartsWithWords(Line, TEXT("End Object")))
		{
			if (Open.IsEmpty())
			{
				NoteProblem(OutProblem, LineNumber, TEXT("Begin Object before End Object"));
				continue;
			}
			OutBlocks.Blocks[Open.Pop()].bClosed = true;
		}
		else if (Line.IsEmpty())
		{
			continue;
		}
		else if (Open.IsEmpty())
		{
			NoteProblem(OutProblem, LineNumber, TEXT("Begin Object Class=... Name=\"...\""));
		}
		else if (StartsWithWords(Line, TEXT("CustomProperties")))
		{
			FObjectTextBlock& Block = OutBlocks.Blocks[Open.Last()];
			Block.CustomText += Line + TEXT("\n");
			Block.CustomLineNumbers.Add(LineNumber);
		}
		else
		{
			// The engine's property reader drops semicolons at the end of a line.
			const FString PropertyLine = WithoutTrailingSemicolons(Line);
			if (PropertyLine.IsEmpty())
			{
				continue;
			}
			if (!FPropertyLineImporter::HasPropertyLineForm(*PropertyLine))
			{
				NoteProblem(OutProblem, LineNumber, TEXT("Name=Value, Name(Index)=Value, CustomProperties or End Object"));
			}
			OutBlocks.Blocks[Open.Last()].PropertyLines.Add(PropertyLine);
			OutBlocks.Blocks[Open.Last()].PropertyLineNumbers.Add(LineNumber);
		}
	}
	if (!Open.IsEmpty())
	{
		NoteProblem(OutProblem, LineNumber + 1, *FString::Printf(TEXT("End Object for the Begin Object of line %d"), OutBlocks.Blocks[Open.Last()].LineNumber));
	}
}

void ImportObjectTextProperties(UObject* Object, const FObjectTextBlock& Block)
{
	FPropertyLineImporter Importer(Object, Block.PropertyLines.Num());
	for (const FString& Line : Block.PropertyLines)
	{
		Importer.ImportLine(Line);
	}
}

namespace
{
	/** A block being read by ImportObjectTextBlock: its object, and how far its lines are read. */
	struct FBlockImport
	{
		FBlockImport(int32 InBlockIndex, UObject* InObject, const FObjectTextBlock& Block)
			: BlockIndex(InBlockIndex)
			, Object(InObject)
			, Importer(std::make_unique<FPropertyLineImporter>(InObject, Block.PropertyLines.Num()))
		{
			Block.CustomText.ParseIntoArray(CustomLines, TEXT("\n"), true);
		}

		int32 BlockIndex;
		UObject* Object;
		std::unique_ptr<FPropertyLineImporter> Importer;
		int32 NextProperty = 0;
		int32 NextCustom = 0;
		int32 NextChild = 0;
		/** The block's CustomProperties lines, and those of them read so far. */
		TArray<FString> CustomLines;
		FString CustomText;
	};

	void ReportBeginObjectError(const FString& Message)
	{
		GLog->Serialize(*Message, ELogVerbosity::Error, NAME_None);
	}

	/**
	 * The subobject an inner block reads into, as the engine's ImportProperties finds or makes it; null,
	 * with the engine's error, when the block names no class the host has, no name or no subobject to
	 * define.
	 */
	UObject* FindOrMakeSubobject(UObject* Outer, const FObjectTextBlock& Block)
	{
		UClass* Class = nullptr;
		if (!Block.ClassPath.IsEmpty())
		{
			Class = Cast<UClass>(StaticFindObject(UClass::StaticClass(), nullptr, *Block.ClassPath));
			if (!Class || Class->HasAnyClassFlags(CLASS_Abstract))
			{
				ReportBeginObjectError(FString::Printf(TEXT("BEGIN OBJECT: Invalid class specified: %s"), *Block.BeginLine));
				return nullptr;
			}
		}
		// The engine reads the name into a buffer of NAME_SIZE characters, cutting a longer one.
		const FName Name(*Block.Name.Left(NAME_SIZE - 1));
		if (Name.IsNone())
		{
			ReportBeginObjectError(FString::Printf(TEXT("BEGIN OBJECT: Must specify valid name for subobject/component: %s"), *Block.BeginLine));
			return nullptr;
		}
		UObject* Existing = StaticFindObjectFast(nullptr, Outer, Name);
		if (!Class)
		{
			if (Existing)
			{
				return Existing;
			}
			UClass* const ParentClass = Outer->GetClass()->GetSuperClass();
			const UObject* const Template = ParentClass ? StaticFindObjectFast(nullptr, ParentClass->GetDefaultObject(), Name) : nullptr;
			if (!Template)
			{
				ReportBeginObjectError(FString::Printf(TEXT("BEGIN OBJECT: No base template named %s found in parent class %s: %s"), *Name.ToString(), ParentClass ? *ParentClass->GetName() : TEXT("None"), *Block.BeginLine));
				return nullptr;
			}
			Class = Template->GetClass();
		}
		if (Existing && Existing->GetClass() == Class)
		{
			return Existing;
		}
		if (Existing)
		{
			// Another object in the way is moved aside, as the engine abandons a subobject it cannot reuse.
			Existing->Rename(*MakeUniqueObjectName(Outer, Existing->GetClass()).ToString());
		}
		return NewObject<UObject>(Outer, Class, Name, Outer->HasAnyFlags(RF_Transactional) ? RF_Transactional : RF_NoFlags);
	}
}

bool ImportObjectTextBlock(UObject* Object, const FObjectTextBlocks& Blocks, int32 BlockIndex)
{
	check(Object);
	// Depth-first without recursion: the innermost block being read is last.
	TArray<FBlockImport> Stack;
	Stack.Emplace(BlockIndex, Object, Blocks.Blocks[BlockIndex]);
	bool bStopped = false;
	while (!Stack.IsEmpty())
	{
		FBlockImport& Import = Stack.Last();
		const FObjectTextBlock& Block = Blocks.Blocks[Import.BlockIndex];
		const int32 PropertyLine = Import.NextProperty < Block.PropertyLines.Num() ? Block.PropertyLineNumbers[Import.NextProperty] : MAX_int32;
		const int32 CustomLine = Import.NextCustom < Block.CustomLineNumbers.Num() ? Block.CustomLineNumbers[Import.NextCustom] : MAX_int32;
		const int32 ChildLine = Import.NextChild < Block.Children.Num() ? Blocks.Blocks[Block.Children[Import.NextChild]].LineNumber : MAX_int32;
		const int32 NextLine = bStopped ? MAX_int32 : std::min({PropertyLine, CustomLine, ChildLine});
		if (NextLine == MAX_int32)
		{
			// The block is read, or the import stopped: the custom lines read so far go to the object.
			if (!Import.CustomText.IsEmpty())
			{
				Import.Object->ImportCustomProperties(*Import.CustomText, nullptr);
			}
			if (Stack.Num() > 1)
			{
				Import.Object->PostEditImport();
			}
			Stack.Pop();
			continue;
		}
		if (NextLine == PropertyLine)
		{
			Import.Importer->ImportLine(Block.PropertyLines[Import.NextProperty++]);
		}
		else if (NextLine == CustomLine)
		{
			Import.CustomText += Import.CustomLines[Import.NextCustom++] + TEXT("\n");
		}
		else
		{
			const int32 ChildIndex = Block.Children[Import.NextChild++];
			UObject* const Subobject = FindOrMakeSubobject(Import.Object, Blocks.Blocks[ChildIndex]);
			if (!Subobject)
			{
				bStopped = true;
				continue;
			}
			Stack.Emplace(ChildIndex, Subobject, Blocks.Blocks[ChildIndex]);
		}
	}
	return !bStopped;
}

bool ReadObjectTextAssignment(const FString& Line, FString& OutName, int32& OutIndex, FString& OutValue)
{
	return FPropertyLineImporter::SplitAssignment(*Line, OutName, OutIndex, OutValue);
}

namespace UE::CoreUObject::Private
{
	UObject* ResolveObjectReference(const FString& Reference)
	{
		if (GReferenceRemap)
		{
			if (UObject* const* Remapped = GReferenceRemap->Find(Reference))
			{
				return *Remapped;
			}
			int32 Quote = INDEX_NONE;
			if (Reference.FindChar('\'', Quote))
			{
				if (UObject* const* ByPath = GReferenceRemap->Find(Reference.Mid(Quote + 1, Reference.Len() - Quote - 2)))
				{
					return *ByPath;
				}
			}
		}
		return StaticFindObject(nullptr, nullptr, *Reference);
	}

	FScopedReferenceRemap::FScopedReferenceRemap(const TMap<FString, UObject*>& InRemap)
		: Previous(GReferenceRemap)
	{
		GReferenceRemap = &InRemap;
	}

	FScopedReferenceRemap::~FScopedReferenceRemap()
	{
		GReferenceRemap = Previous;
	}
}

void ExportObjectToText(const UObject* Object, FString& OutText)
{
	check(Object);
	ExportObject(Object, 0, true, OutText);
}

void ExportObjectStateToText(const UObject* Object, FString& OutText)
{
	check(Object);
	ExportObject(Object, 0, false, OutText);
}

bool ImportObjectStateFromText(UObject* Object, const TCHAR* Text)
{
	check(Object);
	FObjectTextBlocks Blocks;
	ParseObjectTextBlocks(Text, Blocks);
	if (Blocks.Roots.IsEmpty() || Blocks.Blocks[Blocks.Roots[0]].ClassPath != Object->GetClass()->GetPathName())
	{
		return false;
	}
	const FObjectTextBlock& Block = Blocks.Blocks[Blocks.Roots[0]];
	const UObject* const Defaults = Object->GetClass()->GetDefaultObject();
	for (TFieldIterator<FProperty> It(Object->GetClass()); It; ++It)
	{
		if (It->ShouldPort())
		{
			It->CopyCompleteValue_InContainer(Object, Defaults);
		}
	}
	ImportObjectTextProperties(Object, Block);
	Object->ImportCustomProperties(*Block.CustomText, nullptr);
	return true;
}

UObject* ImportObjectFromText(const TCHAR* Text, UObject* NewOuter, FName NewName)
{
	FImportState State;
	ParseObjectTextBlocks(Text, State.Blocks);
	if (State.Blocks.Roots.IsEmpty() || !State.Blocks.Blocks[State.Blocks.Roots[0]].bClosed)
	{
		return nullptr;
	}
	const int32 Root = State.Blocks.Roots[0];
	State.Created.SetNumZeroed(State.Blocks.Blocks.Num());
	TMap<FString, UObject*> Remap;
	if (!CreateObjects(State, Root, NewOuter, NewName, Remap))
	{
		return nullptr;
	}
	const TArray<int32> Order = CollectBlocks(State.Blocks, Root);
	{
		UE::CoreUObject::Private::FScopedReferenceRemap Scope(Remap);
		for (const int32 Index : Order)
		{
			ImportObjectTextProperties(State.Created[Index], State.Blocks.Blocks[Index]);
		}
		// Inner objects read their custom text before their outers, and all before PostEditImport.
		for (int32 Position = Order.Num() - 1; Position >= 0; --Position)
		{
			const FObjectTextBlock& Block = State.Blocks.Blocks[Order[Position]];
			if (!Block.CustomText.IsEmpty())
			{
				State.Created[Order[Position]]->ImportCustomProperties(*Block.CustomText, nullptr);
			}
			State.Created[Order[Position]]->PostEditImport();
		}
	}
	return State.Created[Root];
}

UObject* StaticDuplicateObject(const UObject* SourceObject, UObject* DestOuter, const FName DestName, EObjectFlags FlagMask, UClass* DestClass)
{
	FString Text;
	ExportObjectToText(SourceObject, Text);
	UObject* Result = ImportObjectFromText(*Text, DestOuter, DestName);
	if (Result)
	{
		TArray<UObject*> Copies;
		GetObjectsWithOuter(Result, Copies, true);
		Copies.Add(Result);
		for (UObject* Copy : Copies)
		{
			Copy->PostDuplicate(false);
		}
	}
	return Result;
}
