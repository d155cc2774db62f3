#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/Script.h"
#include "UObject/UnrealType.h"
#include "UObjectArray.h"

#include <cstring>

IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UObject)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UField)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UStruct)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UScriptStruct)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UFunction)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UDelegateFunction)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UEnum)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UClass)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UPackage)

namespace
{
	/** Objects changed while a transaction is open; UnrealEd's transactions read it through the hook below. */
	void (*GModifyHook)(UObject*) = nullptr;
}

namespace UE::CoreUObject::Private
{
	/** Host: lets the editor's transaction system see every Modify() call. */
	COREUOBJECT_API void SetModifyHook(void (*Hook)(UObject*))
	{
		GModifyHook = Hook;
	}
}

UObject::UObject()
{
}

UObject::UObject(const FObjectInitializer& ObjectInitializer)
{
}

UObject::UObject(FVTableHelper& Helper)
{
}

bool UObject::Modify(bool bAlwaysMarkDirty)
{
	if (bAlwaysMarkDirty)
	{
		MarkPackageDirty();
	}
	if (GModifyHook && HasAnyFlags(RF_Transactional))
	{
		GModifyHook(this);
		return true;
	}
	return false;
}

void UObject::PreEditChange(FProperty* PropertyAboutToChange)
{
	const bool bSkipsSerialization = PropertyAboutToChange && PropertyAboutToChange->HasAnyPropertyFlags(CPF_SkipSerialization);
	Modify(!GIsTransacting && !bSkipsSerialization);
}

void UObject::PreEditUndo()
{
	PreEditChange(nullptr);
}

void UObject::ProcessEvent(UFunction* Function, void* Parms)
{
	check(Function);
	FFrame Stack(this, Function, Parms);
	void* Result = Function->ReturnValueOffset != MAX_uint16 ? (uint8*)Parms + Function->ReturnValueOffset : nullptr;
	Function->Invoke(this, Stack, Result);
}

UFunction* UObject::FindFunction(FName InName) const
{
	return GetClass()->FindFunctionByName(InName);
}

UFunction* UObject::FindFunctionChecked(FName InName) const
{
	UFunction* Result = FindFunction(InName);
	checkf(Result, TEXT("Failed to find function %s in %s"), *InName.ToString(), *GetFullName());
	return Result;
}

bool UObject::Rename(const TCHAR* NewName, UObject* NewOuter, uint32 Flags)
{
	const FName Name = NewName ? FName(NewName) : MakeUniqueObjectName(NewOuter ? NewOuter : GetOuter(), GetClass());
	if (NewOuter)
	{
		FUObjectArrayAccess::SetOuter(this, NewOuter);
	}
	FUObjectArrayAccess::SetName(this, Name);
	return true;
}

UPackage* CreatePackage(const TCHAR* PackageName)
{
	// While the object system bootstraps, building the package class creates packages itself, so
	// look for an existing package only once the class exists.
	UClass* PackageClass = UPackage::StaticClass();
	if (UPackage* Existing = FindPackage(nullptr, PackageName))
	{
		return Existing;
	}
	return NewObject<UPackage>(nullptr, PackageClass, FName(PackageName), RF_Public | RF_Standalone);
}

UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName)
{
	UObject* Found = StaticFindObjectFast(UPackage::StaticClass(), InOuter, FName(PackageName, FNAME_Find));
	return (UPackage*)Found;
}

UPackage* GetTransientPackage()
{
	static UPackage* TransientPackage = []()
	{
		UPackage* Package = CreatePackage(TEXT("/Engine/Transient"));
		Package->SetFlags(RF_Transient);
		Package->AddToRoot();
		return Package;
	}();
	return TransientPackage;
}

FName MakeUniqueObjectName(UObject* Outer, const UClass* Class, FName BaseName)
{
	const FString Base = BaseName.IsNone() ? Class->GetName() : BaseName.ToString();
	static TMap<FString, int32> Counters;
	int32& Counter = Counters.FindOrAdd(Base);
	while (true)
	{
		const FName Candidate(*FString::Printf(TEXT("%s_%d"), *Base, Counter++));
		if (!FUObjectArray::Get().FindByOuterAndName(Outer, Candidate))
		{
			return Candidate;
		}
	}
}

UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params)
{
	const UClass* Class = Params.Class;
	check(Class && Class->ClassConstructor);
	checkf(!Class->HasAnyClassFlags(CLASS_Abstract) || (Params.SetFlags & RF_ClassDefaultObject), TEXT("Can't create an object of the abstract class %s"), *Class->GetName());
	UObject* Outer = Params.Outer;
	if (!Outer && Class != UPackage::StaticClass())
	{
		Outer = GetTransientPackage();
	}
	FName Name = Params.Name;
	if (Name.IsNone())
	{
		Name = MakeUniqueObjectName(Outer, Class);
	}
	checkf(!FUObjectArray::Get().FindByOuterAndName(Outer, Name), TEXT("Cannot create %s: an object named %s already exists in %s"), *Class->GetName(), *Name.ToString(), Outer ? *Outer->GetPathName() : TEXT("None"));

	void* Memory = ::operator new((size_t)Class->GetPropertiesSize());
	std::memset(Memory, 0, (size_t)Class->GetPropertiesSize());
	UObject* Object = (UObject*)Memory;
	{
		FObjectInitializer Initializer(Object, const_cast<UClass*>(Class), Outer, Name, Params.SetFlags);
		Class->CallClassConstructor(Initializer);
	}
	if (Params.Template)
	{
		for (TFieldIterator<FProperty> It(Class); It; ++It)
		{
			It->CopyCompleteValue_InContainer(Object, Params.Template);
		}
	}
	Object->PostInitProperties();
	return Object;
}

UObject* StaticFindObjectFast(UClass* Class, UObject* InOuter, FName InName, bool bExactClass)
{
	UObject* Found = (UObject*)FUObjectArray::Get().FindByOuterAndName(InOuter, InName);
	if (Found && Class && (bExactClass ? Found->GetClass() != Class : !Found->IsA(Class)))
	{
		return nullptr;
	}
	return Found;
}

UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool bExactClass)
{
	FString Path(Name);
	// "Class'Path'" references carry the path between quotes.
	int32 Quote = INDEX_NONE;
	if (Path.EndsWith(TEXT("'")) && Path.FindChar('\'', Quote) && Quote < Path.Len() - 1)
	{
		Path = Path.Mid(Quote + 1, Path.Len() - Quote - 2);
	}
	if (InOuter)
	{
		return StaticFindObjectFast(Class, InOuter, FName(*Path, FNAME_Find), bExactClass);
	}
	// A path: the package name up to the first '.', then '.' or ':' separated object names.
	int32 Separator = INDEX_NONE;
	for (int32 Index = 0; Index < Path.Len(); ++Index)
	{
		if (Path[Index] == '.' || Path[Index] == ':')
		{
			Separator = Index;
			break;
		}
	}
	if (Separator == INDEX_NONE)
	{
		return StaticFindObjectFast(Class, nullptr, FName(*Path, FNAME_Find), bExactClass);
	}
	UObject* Outer = StaticFindObjectFast(nullptr, nullptr, FName(*Path.Left(Separator), FNAME_Find));
	FString Rest = Path.RightChop(Separator + 1);
	while (Outer)
	{
		int32 Next = INDEX_NONE;
		for (int32 Index = 0; Index < Rest.Len(); ++Index)
		{
			if (Rest[Index] == '.' || Rest[Index] == ':')
			{
				Next = Index;
				break;
			}
		}
		if (Next == INDEX_NONE)
		{
			return StaticFindObjectFast(Class, Outer, FName(*Rest, FNAME_Find), bExactClass);
		}
		Outer = StaticFindObjectFast(nullptr, Outer, FName(*Rest.Left(Next), FNAME_Find));
		Rest = Rest.RightChop(Next + 1);
	}
	return nullptr;
}

void GetObjectsWithOuter(const UObject* Outer, TArray<UObject*>& Results, bool bIncludeNestedObjects)
{
	const FUObjectArray& Array = FUObjectArray::Get();
	const int32 First = Results.Num();
	if (const std::vector<UObjectBase*>* Inners = Array.FindInners(Outer))
	{
		for (UObjectBase* Inner : *Inners)
		{
			if (Inner && !((UObject*)Inner)->IsUnreachable())
			{
				Results.Add((UObject*)Inner);
			}
		}
	}
	if (bIncludeNestedObjects)
	{
		// Breadth-first over the results found so far, so deep nesting needs no recursion.
		for (int32 Index = First; Index < Results.Num(); ++Index)
		{
			if (const std::vector<UObjectBase*>* Inners = Array.FindInners(Results[Index]))
			{
				for (UObjectBase* Inner : *Inners)
				{
					if (Inner && !((UObject*)Inner)->IsUnreachable())
					{
						Results.Add((UObject*)Inner);
					}
				}
			}
		}
	}
}

void GetObjectsOfClass(const UClass* ClassToLookFor, TArray<UObject*>& Results, bool bIncludeDerivedClasses)
{
	FUObjectArray& Array = FUObjectArray::Get();
	for (int32 Index = 0; Index < Array.Num(); ++Index)
	{
		UObject* Object = (UObject*)Array.GetItem(Index)->Object;
		if (Object && !Array.GetItem(Index)->bUnreachable && (bIncludeDerivedClasses ? Object->IsA(ClassToLookFor) : Object->GetClass() == ClassToLookFor))
		{
			Results.Add(Object);
		}
	}
}
