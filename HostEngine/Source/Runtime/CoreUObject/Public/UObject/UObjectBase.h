#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UClass;
class UPackage;

/** The part of every object that the object system itself owns: class, outer, name, flags, slot. */
class COREUOBJECT_API UObjectBase
{
public:
	UObjectBase();
	virtual ~UObjectBase();

	UClass* GetClass() const { return ClassPrivate; }
	UObject* GetOuter() const { return OuterPrivate; }
	FName GetFName() const { return NamePrivate; }
	EObjectFlags GetFlags() const { return ObjectFlags; }
	int32 GetUniqueID() const { return InternalIndex; }
	bool IsValidLowLevel() const;

protected:
	void SetFlagsTo(EObjectFlags NewFlags) { ObjectFlags = NewFlags; }

private:
	friend class UObjectBaseUtility;
	friend class UClass;
	friend struct FUObjectArrayAccess;

	EObjectFlags ObjectFlags = RF_NoFlags;
	int32 InternalIndex = INDEX_NONE;
	UClass* ClassPrivate = nullptr;
	FName NamePrivate;
	UObject* OuterPrivate = nullptr;
};
