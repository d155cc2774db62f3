#pragma once

// Host engine: the property lines of one object's text block, read as the engine's
// FProperty::ImportSingleProperty reads the lines UnrealEd's ImportProperties hands it. The forms:
// "Name=Value", "Name(2)=Value" or "Name[2]=Value" (either bracket closes), "Name.Add(Value)",
// "Name.Remove(Value)", "Name.RemoveIndex(2)" and "Name.Empty()"; a name may be quoted.

#include "CoreMinimal.h"

class FArrayProperty;
class FProperty;
class UObject;

class FPropertyLineImporter
{
public:
	/** Whether the line has one of the forms, as far as can be told without knowing the class. */
	static bool HasPropertyLineForm(const TCHAR* Line);

	/**
	 * For an assignment ("Name=Value", "Name(2)=Value", "Name[2]=Value"): the name, the index
	 * (INDEX_NONE without one) and the value text. False for the array operations and other lines.
	 */
	static bool SplitAssignment(const TCHAR* Line, FString& OutName, int32& OutIndex, FString& OutValue);

	/** Reads into Object the lines of a block of NumLines property lines. */
	FPropertyLineImporter(UObject* InObject, int32 NumLines);

	/**
	 * Imports one line. Names of properties the class does not have are skipped. A property, or an
	 * element of it, takes the first line that sets it: a later one is skipped with a warning.
	 */
	void ImportLine(const FString& Line);

private:
	enum class EOperation : uint8
	{
		Assign,
		Add,
		Remove,
		RemoveIndex,
		Empty,
	};

	/** A property, or one index of it, that a line of this block has set. */
	struct FDefinedProperty
	{
		const FProperty* Property;
		int32 Index;

		bool operator==(const FDefinedProperty& Other) const { return Property == Other.Property && Index == Other.Index; }
		friend uint32 GetTypeHash(const FDefinedProperty& Defined) { return HashCombine(GetTypeHash((const void*)Defined.Property), GetTypeHash(Defined.Index)); }
	};

	void ImportAssignment(FProperty* Property, const TCHAR* Cursor, const FString& Line);
	void ImportArrayOperation(const FArrayProperty& ArrayProperty, EOperation Operation, const TCHAR* Cursor);
	void RemoveEqualElements(const FArrayProperty& ArrayProperty, const TCHAR* Cursor);
	void RemoveElementAt(const FArrayProperty& ArrayProperty, int32 Index);

	static const TCHAR* ReadName(const TCHAR* Line, FString& OutName);
	static EOperation ReadOperation(const TCHAR*& Cursor);
	static int32 ReadIndex(const TCHAR*& Cursor);

	UObject* Object;
	TMap<FDefinedProperty, bool> Defined;
	/**
	 * The engine grows an array to any index and removes any element, each removal moving the later
	 * ones. The host grows an array from an index only about as far as the block could list elements,
	 * and lets removals move or compare elements only in proportion to the block's lines, so that any
	 * text imports in time in proportion to it. The engine's own text removes from the end, which
	 * moves nothing.
	 */
	int32 MaxIndexedLength;
	int64 RemovalWorkLeft;
};
