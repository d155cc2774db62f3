#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UClass;
class UPackage;
class FProperty;

/** Constructor argument of the engine-called constructors; also used by the hot-reload constructor. */
class COREUOBJECT_API FVTableHelper
{
};

/** Carries the object being constructed into its C++ constructor chain. */
class COREUOBJECT_API FObjectInitializer
{
public:
	/** The initializer of the object whose constructor is running on this thread. */
	static FObjectInitializer& Get();

	FObjectInitializer(UObject* InObj, UClass* InClass, UObject* InOuter, FName InName, EObjectFlags InFlags);
	~FObjectInitializer();
	FObjectInitializer(const FObjectInitializer&) = delete;
	FObjectInitializer& operator=(const FObjectInitializer&) = delete;

	UObject* GetObj() const { return Obj; }
	UClass* GetClass() const { return Class; }
	UObject* GetOuter() const { return Outer; }
	FName GetName() const { return Name; }
	EObjectFlags GetFlags() const { return Flags; }

private:
	UObject* Obj;
	UClass* Class;
	UObject* Outer;
	FName Name;
	EObjectFlags Flags;
	FObjectInitializer* Previous;
};

/** Collects object references during garbage collection. */
class COREUOBJECT_API FReferenceCollector
{
public:
	virtual ~FReferenceCollector() = default;
	virtual void HandleObjectReference(UObject*& InObject, const UObject* InReferencingObject, const FProperty* InReferencingProperty) = 0;

	template <class UObjectType>
	void AddReferencedObject(UObjectType*& Object, const UObject* ReferencingObject = nullptr, const FProperty* ReferencingProperty = nullptr)
	{
		HandleObjectReference(*(UObject**)&Object, ReferencingObject, ReferencingProperty);
	}

	template <class UObjectType>
	void AddReferencedObjects(TArray<UObjectType*>& ObjectArray, const UObject* ReferencingObject = nullptr, const FProperty* ReferencingProperty = nullptr)
	{
		for (UObjectType*& Object : ObjectArray)
		{
			AddReferencedObject(Object, ReferencingObject, ReferencingProperty);
		}
	}
};

struct FStaticConstructObjectParameters
{
	const UClass* Class = nullptr;
	UObject* Outer = nullptr;
	FName Name;
	EObjectFlags SetFlags = RF_NoFlags;
	UObject* Template = nullptr;

	explicit FStaticConstructObjectParameters(const UClass* InClass) : Class(InClass) {}
};

COREUOBJECT_API UPackage* GetTransientPackage();
COREUOBJECT_API UPackage* CreatePackage(const TCHAR* PackageName);
COREUOBJECT_API UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName);
COREUOBJECT_API UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params);
/** Finds an object by name in an outer, or by path ("/Script/Pkg.Name") when Outer is null. */
COREUOBJECT_API UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool bExactClass = false);
COREUOBJECT_API UObject* StaticFindObjectFast(UClass* Class, UObject* InOuter, FName InName, bool bExactClass = false);
COREUOBJECT_API FName MakeUniqueObjectName(UObject* Outer, const UClass* Class, FName BaseName = NAME_None);
/**
 * Copies an object and every object inside it (its inners) into a new outer; references between
 * the copied objects are redirected to the copies. Reflected properties are copied, and state
 * outside them travels through ExportCustomProperties / ImportCustomProperties.
 */
COREUOBJECT_API UObject* StaticDuplicateObject(const UObject* SourceObject, UObject* DestOuter, const FName DestName = NAME_None, EObjectFlags FlagMask = RF_AllFlags, UClass* DestClass = nullptr);
COREUOBJECT_API void CollectGarbage(EObjectFlags KeepFlags = RF_NoFlags, bool bPerformFullPurge = true);
COREUOBJECT_API bool IsGarbageCollecting();
/** Registers the reflected types of newly loaded libraries and creates their default objects. */
COREUOBJECT_API void ProcessNewlyLoadedUObjects(FName Package = NAME_None, bool bCanProcessNewlyLoadedObjects = true);
COREUOBJECT_API void GetObjectsWithOuter(const UObject* Outer, TArray<UObject*>& Results, bool bIncludeNestedObjects = true);
COREUOBJECT_API void GetObjectsOfClass(const UClass* ClassToLookFor, TArray<UObject*>& Results, bool bIncludeDerivedClasses = true);

template <class T>
T* NewObject(UObject* Outer, const UClass* Class, FName Name = NAME_None, EObjectFlags Flags = RF_NoFlags, UObject* Template = nullptr)
{
	FStaticConstructObjectParameters Params(Class);
	Params.Outer = Outer;
	Params.Name = Name;
	Params.SetFlags = Flags;
	Params.Template = Template;
	return static_cast<T*>(StaticConstructObject_Internal(Params));
}

template <class T>
T* NewObject(UObject* Outer, FName Name, EObjectFlags Flags = RF_NoFlags, UObject* Template = nullptr)
{
	return NewObject<T>(Outer, T::StaticClass(), Name, Flags, Template);
}

template <class T>
T* NewObject(UObject* Outer = (UObject*)GetTransientPackage())
{
	return NewObject<T>(Outer, T::StaticClass());
}

template <class T>
T* FindObject(UObject* Outer, const TCHAR* Name, bool bExactClass = false)
{
	return (T*)StaticFindObject(T::StaticClass(), Outer, Name, bExactClass);
}

template <class T>
T* DuplicateObject(T const* SourceObject, UObject* Outer, const FName Name = NAME_None)
{
	return SourceObject ? static_cast<T*>(StaticDuplicateObject(SourceObject, Outer, Name)) : nullptr;
}

template <class T>
const T* GetDefault()
{
	return (const T*)T::StaticClass()->GetDefaultObject();
}

template <class T>
T* GetMutableDefault()
{
	return (T*)T::StaticClass()->GetDefaultObject();
}
