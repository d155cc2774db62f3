#include "PropertyLineImporter.h"

#include "Misc/OutputDeviceRedirector.h"
#include "ObjectTextReferences.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/UnrealType.h"

namespace
{
	// Room for gaps and front removals that the engine's own text never makes.
	constexpr int32 SpareLength = 1024;
	constexpr int64 RemovalWorkPerLine = 64;

	const TCHAR* SkipSpaces(const TCHAR* Cursor)
	{
		while (*Cursor == ' ' || *Cursor == '\t')
		{
			++Cursor;
		}
		return Cursor;
	}

	bool IsNameDelimiter(TCHAR Character)
	{
		return Character == '=' || Character == '(' || Character == '[' || Character == '.';
	}

	/** The engine's command match: the word in any case, not followed by a letter or digit, then spaces. */
	bool SkipWord(const TCHAR*& Cursor, const TCHAR* Word)
	{
		const TCHAR* const Start = SkipSpaces(Cursor);
		const int32 Length = FCString::Strlen(Word);
		if (FCString::Strnicmp(Start, Word, Length) != 0 || FChar::IsAlnum(Start[Length]))
		{
			return false;
		}
		Cursor = SkipSpaces(Start + Length);
		return true;
	}

	/** "Name=" with nothing after it (or a ',' or ')') leaves a property that is no array as it is. */
	bool IsValueGiven(const TCHAR* Cursor)
	{
		return *Cursor && *Cursor != ',' && *Cursor != ')';
	}
}

bool FPropertyLineImporter::HasPropertyLineForm(const TCHAR* Line)
{
	FString Name;
	const TCHAR* Cursor = ReadName(Line, Name);
	if (!Cursor)
	{
		return false;
	}
	const EOperation Operation = ReadOperation(Cursor);
	if (Operation == EOperation::Empty)
	{
		return true;
	}
	if (Operation != EOperation::Assign)
	{
		return *SkipSpaces(Cursor) == '(';
	}
	ReadIndex(Cursor);
	return *SkipSpaces(Cursor) == '=';
}

bool FPropertyLineImporter::SplitAssignment(const TCHAR* Line, FString& OutName, int32& OutIndex, FString& OutValue)
{
	const TCHAR* Cursor = ReadName(Line, OutName);
	if (!Cursor || ReadOperation(Cursor) != EOperation::Assign)
	{
		return false;
	}
	OutIndex = ReadIndex(Cursor);
	Cursor = SkipSpaces(Cursor);
	if (*Cursor != '=')
	{
		return false;
	}
	OutValue = SkipSpaces(Cursor + 1);
	return true;
}

FPropertyLineImporter::FPropertyLineImporter(UObject* InObject, int32 NumLines)
	: Object(InObject)
	, MaxIndexedLength(NumLines + SpareLength)
	, RemovalWorkLeft((int64)(NumLines + SpareLength) * RemovalWorkPerLine)
{
}

void FPropertyLineImporter::ImportLine(const FString& Line)
{
	FString Name;
	const TCHAR* Cursor = ReadName(*Line, Name);
	if (!Cursor)
	{
		return;
	}
	// A name too long for an FName finds nothing here, where the engine's FName asserts.
	FProperty* const Property = Object->GetClass()->FindPropertyByName(FName(*Name, FNAME_Find));
	if (!Property)
	{
		return;
	}
	const EOperation Operation = ReadOperation(Cursor);
	if (Operation == EOperation::Assign)
	{
		ImportAssignment(Property, Cursor, Line);
	}
	else if (const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(Property))
	{
		ImportArrayOperation(*ArrayProperty, Operation, Cursor);
	}
}

void FPropertyLineImporter::ImportAssignment(FProperty* Property, const TCHAR* Cursor, const FString& Line)
{
	const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(Property);
	const int32 Index = ReadIndex(Cursor);
	// A subscript read as a negative number other than INDEX_NONE (digits past int32) would have the
	// engine write outside the property; the host skips the line.
	if ((!ArrayProperty && Index >= Property->ArrayDim) || Index < INDEX_NONE)
	{
		return;
	}
	// Recorded before the '=' is looked for, as 5.4 records it (5.8 records only lines with an '=').
	if (Defined.Contains({Property, Index}))
	{
		GLog->Serialize(*FString::Printf(TEXT("redundant data: %s"), *Line), ELogVerbosity::Warning, NAME_None);
		return;
	}
	Defined.Add({Property, Index}, true);
	Cursor = SkipSpaces(Cursor);
	if (*Cursor != '=')
	{
		return;
	}
	Cursor = SkipSpaces(Cursor + 1);

	void* const Value = Property->ContainerPtrToValuePtr(Object);
	if (!ArrayProperty)
	{
		if (IsValueGiven(Cursor))
		{
			Property->ImportText_Direct(Cursor, Property->ContainerPtrToValuePtr(Object, Index == INDEX_NONE ? 0 : Index), Object, PPF_Delimited);
		}
		return;
	}
	const FScriptArrayHelper Array(ArrayProperty, Value);
	if (Index == INDEX_NONE)
	{
		if (*Cursor == 0)
		{
			Array.EmptyValues();
		}
		else
		{
			ArrayProperty->ImportText_Direct(Cursor, Value, Object, PPF_Delimited);
		}
		return;
	}
	// The array grows to hold the index, as the engine grows it, but only as far as MaxIndexedLength.
	if (Index >= Array.Num() && Index >= MaxIndexedLength)
	{
		return;
	}
	if (Index >= Array.Num())
	{
		Array.Resize(Index + 1);
	}
	ArrayProperty->Inner->ImportText_Direct(Cursor, Array.GetRawPtr(Index), Object, PPF_Delimited);
}

void FPropertyLineImporter::ImportArrayOperation(const FArrayProperty& ArrayProperty, EOperation Operation, const TCHAR* Cursor)
{
	const FScriptArrayHelper Array(&ArrayProperty, ArrayProperty.ContainerPtrToValuePtr(Object));
	// The engine empties before it looks for the brackets.
	if (Operation == EOperation::Empty)
	{
		Array.EmptyValues();
		return;
	}
	Cursor = SkipSpaces(Cursor);
	if (*Cursor != '(')
	{
		return;
	}
	Cursor = SkipSpaces(Cursor + 1);
	if (Operation == EOperation::Add)
	{
		// The element stays, at its default, when its value does not read.
		ArrayProperty.Inner->ImportText_Direct(Cursor, Array.GetRawPtr(Array.AddValue()), Object, PPF_Delimited);
	}
	else if (Operation == EOperation::Remove)
	{
		RemoveEqualElements(ArrayProperty, Cursor);
	}
	else
	{
		const TCHAR* End = Cursor;
		while (*End && *End != ')')
		{
			++End;
		}
		if (*End == ')')
		{
			RemoveElementAt(ArrayProperty, FCString::Atoi(*FString::ConstructFromPtrSize(Cursor, (int32)(End - Cursor))));
		}
	}
}

void FPropertyLineImporter::RemoveEqualElements(const FArrayProperty& ArrayProperty, const TCHAR* Cursor)
{
	const FProperty* const Inner = ArrayProperty.Inner;
	const FScriptArrayHelper Array(&ArrayProperty, ArrayProperty.ContainerPtrToValuePtr(Object));
	// Each element is compared once; those after a removed one move down, in one pass.
	if (Array.Num() > RemovalWorkLeft)
	{
		return;
	}
	RemovalWorkLeft -= Array.Num();
	TArray<uint8> Removed;
	Removed.SetNumZeroed(Inner->ElementSize);
	Inner->InitializeValue(Removed.GetData());
	const TCHAR* const After = Inner->ImportText_Direct(Cursor, Removed.GetData(), Object, PPF_Delimited);
	if (After && After != Cursor)
	{
		int32 NumKept = 0;
		for (int32 Index = 0; Index < Array.Num(); ++Index)
		{
			if (Inner->Identical(Removed.GetData(), Array.GetRawPtr(Index)))
			{
				continue;
			}
			if (NumKept != Index)
			{
				Inner->CopyCompleteValue(Array.GetRawPtr(NumKept), Array.GetRawPtr(Index));
			}
			++NumKept;
		}
		Array.Resize(NumKept);
	}
	Inner->DestroyValue(Removed.GetData());
}

void FPropertyLineImporter::RemoveElementAt(const FArrayProperty& ArrayProperty, int32 Index)
{
	const FScriptArrayHelper Array(&ArrayProperty, ArrayProperty.ContainerPtrToValuePtr(Object));
	const int64 NumMoves = (int64)Array.Num() - Index - 1;
	if (!Array.IsValidIndex(Index) || NumMoves > RemovalWorkLeft)
	{
		return;
	}
	RemovalWorkLeft -= NumMoves;
	for (int32 Later = Index + 1; Later < Array.Num(); ++Later)
	{
		ArrayProperty.Inner->CopyCompleteValue(Array.GetRawPtr(Later - 1), Array.GetRawPtr(Later));
	}
	Array.Resize(Array.Num() - 1);
}

const TCHAR* FPropertyLineImporter::ReadName(const TCHAR* Line, FString& OutName)
{
	const TCHAR* const Start = SkipSpaces(Line);
	const TCHAR* Cursor = Start;
	const bool bQuoted = *Start == '"';
	if (bQuoted)
	{
		Cursor = UE::CoreUObject::Private::ReadQuotedText(Start, OutName);
		if (!Cursor)
		{
			return nullptr;
		}
	}
	while (*Cursor && !IsNameDelimiter(*Cursor))
	{
		++Cursor;
	}
	if (!bQuoted)
	{
		const TCHAR* End = Cursor;
		while (End > Start && (End[-1] == ' ' || End[-1] == '\t'))
		{
			--End;
		}
		OutName = FString::ConstructFromPtrSize(Start, (int32)(End - Start));
	}
	return *Cursor && !OutName.IsEmpty() ? Cursor : nullptr;
}

FPropertyLineImporter::EOperation FPropertyLineImporter::ReadOperation(const TCHAR*& Cursor)
{
	if (*Cursor != '.')
	{
		return EOperation::Assign;
	}
	// Past the '.' whatever follows, as in the engine: "Name.=Value" assigns.
	++Cursor;
	if (SkipWord(Cursor, TEXT("Empty")))
	{
		return EOperation::Empty;
	}
	if (SkipWord(Cursor, TEXT("Add")))
	{
		return EOperation::Add;
	}
	if (SkipWord(Cursor, TEXT("Remove")))
	{
		return EOperation::Remove;
	}
	if (SkipWord(Cursor, TEXT("RemoveIndex")))
	{
		return EOperation::RemoveIndex;
	}
	return EOperation::Assign;
}

int32 FPropertyLineImporter::ReadIndex(const TCHAR*& Cursor)
{
	Cursor = SkipSpaces(Cursor);
	if (*Cursor != '(' && *Cursor != '[')
	{
		return INDEX_NONE;
	}
	const TCHAR* const Text = Cursor + 1;
	const TCHAR* End = Text;
	while (*End && *End != ')' && *End != ']')
	{
		// An '=' before the bracket closes: index 0, and the line reads on from the '='.
		if (*End == '=')
		{
			Cursor = End;
			return 0;
		}
		++End;
	}
	// No closing bracket: index 0, and nothing is assigned. (The engine reads on past the end of the
	// line there.)
	if (*End == 0)
	{
		Cursor = End;
		return 0;
	}
	Cursor = End + 1;
	if (FChar::IsDigit(*Text))
	{
		return FCString::Atoi(*FString::ConstructFromPtrSize(Text, (int32)(End - Text)));
	}
	// Nothing between the brackets, or a word: index 0. (The engine takes a word that names a value
	// of a native enum as that value; the host does not look enum values up by name alone.)
	return End == Text || FChar::IsAlpha(*Text) ? 0 : INDEX_NONE;
}
