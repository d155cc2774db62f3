#pragma once

#include "UObject/UObjectBase.h"

/** Flag, root-set and naming helpers shared by every object. */
class COREUOBJECT_API UObjectBaseUtility : public UObjectBase
{
public:
	void SetFlags(EObjectFlags NewFlags) { SetFlagsTo(GetFlags() | NewFlags); }
	void ClearFlags(EObjectFlags NewFlags) { SetFlagsTo(GetFlags() & ~NewFlags); }
	bool HasAnyFlags(EObjectFlags FlagsToCheck) const { return (GetFlags() & FlagsToCheck) != 0; }
	bool HasAllFlags(EObjectFlags FlagsToCheck) const { return (GetFlags() & FlagsToCheck) == FlagsToCheck; }

	/** The root set is a flag, not a count: one RemoveFromRoot undoes any number of AddToRoot calls. */
	void AddToRoot();
	void RemoveFromRoot();
	bool IsRooted() const;

	/** True once the object has been found unreachable and is being destroyed. */
	bool IsUnreachable() const;

	FString GetName() const { return GetFName().ToString(); }
	FString GetPathName(const UObject* StopOuter = nullptr) const;
	FString GetFullName(const UObject* StopOuter = nullptr) const;
	UPackage* GetPackage() const;
	UPackage* GetOutermost() const { return GetPackage(); }
	UObject* GetOutermostObject() const;

	bool IsA(const UClass* SomeBase) const;
	template <class T>
	bool IsA() const
	{
		return IsA(T::StaticClass());
	}

	UObject* GetTypedOuter(UClass* Target) const;
	template <typename T>
	T* GetTypedOuter() const
	{
		return (T*)GetTypedOuter(T::StaticClass());
	}

	bool IsIn(const UObject* SomeOuter) const;
	bool IsTemplate(EObjectFlags TemplateTypes = RF_ArchetypeObject | RF_ClassDefaultObject) const;
	void MarkPackageDirty() const;
};
