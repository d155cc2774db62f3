#pragma once

// Host engine: objects as text, in the engine's copy-and-paste form ("Begin Object Class=... End
// Object"). The engine spreads this over UnrealEd's exporters and factories; the host keeps the
// two entry points here so that saving, loading and duplication share them.

#include "CoreMinimal.h"

class UObject;
class UClass;

/**
 * One "Begin Object" block of a text, as read: the values of its header line, its property lines
 * ("Name=Value", "Name(2)=Value", "Name[2]=Value", "Name=", "Name.Add(Value)", "Name.Remove(Value)",
 * "Name.RemoveIndex(2)", "Name.Empty()", semicolons at their ends dropped), its "CustomProperties"
 * lines and the blocks inside it.
 */
struct FObjectTextBlock
{
	/** Empty for a block inside another that defines a subobject declared before (the editor's second pass). */
	FString ClassPath;
	FString Name;
	FString ExportPath;
	/** 1-based line of the "Begin Object" line in the text. */
	int32 LineNumber = 0;
	/** False when the text ended before the block's "End Object". */
	bool bClosed = false;
	/** The "Begin Object" line, trimmed. */
	FString BeginLine;
	TArray<FString> PropertyLines;
	/** 1-based line of each of PropertyLines. */
	TArray<int32> PropertyLineNumbers;
	FString CustomText;
	/** 1-based line of each line of CustomText. */
	TArray<int32> CustomLineNumbers;
	/** Indices of the inner blocks in FObjectTextBlocks::Blocks. */
	TArray<int32> Children;
};

/** Every block of a text; Roots are the indices of the blocks that no other block holds, in order. */
struct FObjectTextBlocks
{
	TArray<FObjectTextBlock> Blocks;
	TArray<int32> Roots;
};

/**
 * Reads the blocks of a text without recursion, however deep they nest. Lines end at "\r\n", "\n" or
 * "\r". It is as lenient as the engine's text factories: lines outside any block are skipped and an
 * unfinished block ends with the text. The first thing that does not have the form is reported, when
 * OutProblem is given, as "line N: expected ..."; a block inside another may leave out its class.
 */
COREUOBJECT_API void ParseObjectTextBlocks(const TCHAR* Text, FObjectTextBlocks& OutBlocks, FString* OutProblem = nullptr);

/**
 * Gives the object the values of the block's property lines, as the engine's ImportObjectProperties
 * does: names of properties the class does not have are skipped, array elements are set by index,
 * and a property (or an index of it) takes the first line that sets it; a later one is skipped with
 * the warning "redundant data: <line>".
 */
COREUOBJECT_API void ImportObjectTextProperties(UObject* Object, const FObjectTextBlock& Block);

/**
 * Gives the object everything its block holds, in the order of the text, as the engine's
 * ImportObjectProperties reads a pasted object: property lines, CustomProperties lines (passed to
 * ImportCustomProperties) and the blocks inside it. An inner block with a class makes that subobject
 * (reusing one of that class and name), and one without a class (the editor's second, defining pass)
 * reads into the subobject of that name; each subobject gets PostEditImport once its block is read. A
 * block that names no class the host has, no name, or no subobject to define stops the import there
 * with the engine's error, and the lines after it are not read, in the block or around it.
 * @return false when the import stopped early.
 */
COREUOBJECT_API bool ImportObjectTextBlock(UObject* Object, const FObjectTextBlocks& Blocks, int32 BlockIndex);

/**
 * Reads a property line of a block as ImportObjectTextProperties reads it. True for an assignment
 * ("Name=Value", "Name(2)=Value", "Name[2]=Value"), with the name as written, the index (INDEX_NONE
 * without one) and the value text; false for the array operations and for lines that assign nothing.
 */
COREUOBJECT_API bool ReadObjectTextAssignment(const FString& Line, FString& OutName, int32& OutIndex, FString& OutValue);

/**
 * Writes the object and every object inside it (nested blocks), their reflected properties that
 * differ from the class defaults, and what ExportCustomProperties adds. As in the engine, a Begin
 * Object line ends with LINE_TERMINATOR ("\n" on Linux, "\r\n" on Windows) and every other line
 * with "\r\n".
 */
COREUOBJECT_API void ExportObjectToText(const UObject* Object, FString& OutText);

/**
 * Writes the object's own block: what ExportObjectToText writes for it, without the objects inside
 * it. The editor's transactions record objects this way, each on its own.
 */
COREUOBJECT_API void ExportObjectStateToText(const UObject* Object, FString& OutText);

/**
 * Gives the object the state that ExportObjectStateToText wrote: reflected properties the text
 * leaves out go back to the class defaults, the others are read from it, and ImportCustomProperties
 * reads the rest (called even when there is nothing to read, so that the object can drop what it
 * had). The objects inside it are left alone. False when the text is no block of the object's class.
 */
COREUOBJECT_API bool ImportObjectStateFromText(UObject* Object, const TCHAR* Text);

/**
 * Recreates the objects of one exported block inside NewOuter (named NewName, or as exported).
 * References between the recreated objects point at the new copies. Returns null when the text is
 * not a valid block or names a class that does not exist.
 */
COREUOBJECT_API UObject* ImportObjectFromText(const TCHAR* Text, UObject* NewOuter, FName NewName = NAME_None);
