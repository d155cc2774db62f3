#pragma once

#include "UObject/Object.h"

#include <unordered_map>
#include <vector>

/** Host: the table of live objects behind object indices, weak pointers, name lookups and the root set. */
struct FUObjectItem
{
	UObjectBase* Object = nullptr;
	int32 SerialNumber = 0;
	bool bRooted = false;
	bool bReachable = false;
	bool bUnreachable = false;
};

class FUObjectArray
{
public:
	static FUObjectArray& Get();

	int32 Allocate(UObjectBase* Object);
	void Free(int32 Index);
	FUObjectItem* GetItem(int32 Index) { return Index >= 0 && Index < (int32)Items.size() ? &Items[Index] : nullptr; }
	int32 Num() const { return (int32)Items.size(); }

	void AddToNameHash(UObjectBase* Object);
	void RemoveFromNameHash(UObjectBase* Object);
	UObjectBase* FindByOuterAndName(const UObject* Outer, FName Name) const;
	/** Objects whose outer is Outer, in creation order, with null where one has gone. */
	const std::vector<UObjectBase*>* FindInners(const UObjectBase* Outer) const;

private:
	/** An object's place: its outer and its whole name, number included ("Node_1" is not "Node_2"). */
	struct FNameKey
	{
		const void* Outer;
		FName Name;
		bool operator==(const FNameKey& Other) const { return Outer == Other.Outer && Name == Other.Name; }
	};
	struct FNameKeyHash
	{
		size_t operator()(const FNameKey& Key) const { return std::hash<const void*>()(Key.Outer) ^ (size_t(GetTypeHash(Key.Name)) * 0x9E3779B97F4A7C15ull); }
	};

	std::vector<FUObjectItem> Items;
	std::vector<int32> FreeIndices;
	int32 NextSerialNumber = 1;
	std::unordered_map<FNameKey, UObjectBase*, FNameKeyHash> NameHash;
	/**
	 * An outer's objects. One that goes leaves a null behind, so that taking it out costs the same
	 * however many siblings it has; the list closes up once half of it is gaps.
	 */
	struct FInners
	{
		std::vector<UObjectBase*> Objects;
		size_t NumGone = 0;
	};

	std::unordered_map<const UObjectBase*, FInners> InnersByOuter;
	/** Where each object is in its outer's FInners::Objects. */
	std::unordered_map<const UObjectBase*, size_t> InnerPositions;
};

/** Lets the object system set the fields that only it may change. */
struct FUObjectArrayAccess
{
	static void SetOuter(UObjectBase* Object, UObject* NewOuter);
	static void SetName(UObjectBase* Object, FName NewName);
	static void SetClass(UObjectBase* Object, UClass* NewClass) { Object->ClassPrivate = NewClass; }
};
