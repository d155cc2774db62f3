#pragma once

#include "CoreMinimal.h"

class UObject;

/** Refers to an object without keeping it alive; Get() is null once the object is gone. */
struct COREUOBJECT_API FWeakObjectPtr
{
	FWeakObjectPtr() = default;
	FWeakObjectPtr(std::nullptr_t) {}
	FWeakObjectPtr(const UObject* Object) { operator=(Object); }

	void operator=(const UObject* Object);
	UObject* Get() const;
	bool IsValid() const { return Get() != nullptr; }
	bool IsStale() const;
	void Reset()
	{
		ObjectIndex = INDEX_NONE;
		ObjectSerialNumber = 0;
	}

	bool operator==(const FWeakObjectPtr& Other) const { return ObjectIndex == Other.ObjectIndex && ObjectSerialNumber == Other.ObjectSerialNumber; }
	bool operator!=(const FWeakObjectPtr& Other) const { return !(*this == Other); }
	friend uint32 GetTypeHash(const FWeakObjectPtr& Ptr) { return HashCombine(GetTypeHash(Ptr.ObjectIndex), GetTypeHash(Ptr.ObjectSerialNumber)); }

private:
	int32 ObjectIndex = INDEX_NONE;
	int32 ObjectSerialNumber = 0;
};
