#include "UObject/UObjectBase.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/WeakObjectPtr.h"
#include "UObjectArray.h"

#include <algorithm>
#include <cstring>

namespace
{
	thread_local FObjectInitializer* GTopInitializer = nullptr;
}

FUObjectArray& FUObjectArray::Get()
{
	static FUObjectArray Singleton;
	return Singleton;
}

int32 FUObjectArray::Allocate(UObjectBase* Object)
{
	int32 Index;
	if (!FreeIndices.empty())
	{
		Index = FreeIndices.back();
		FreeIndices.pop_back();
	}
	else
	{
		Index = (int32)Items.size();
		Items.emplace_back();
	}
	Items[Index] = FUObjectItem{Object, NextSerialNumber++, false, false, false};
	return Index;
}

void FUObjectArray::Free(int32 Index)
{
	if (FUObjectItem* Item = GetItem(Index))
	{
		*Item = FUObjectItem();
		FreeIndices.push_back(Index);
	}
}

void FUObjectArray::AddToNameHash(UObjectBase* Object)
{
	std::vector<UObjectBase*>& Siblings = InnersByOuter[Object->GetOuter()].Objects;
	InnerPositions[Object] = Siblings.size();
	Siblings.push_back(Object);
	if (!Object->GetFName().IsNone())
	{
		NameHash[FNameKey{Object->GetOuter(), Object->GetFName()}] = Object;
	}
}

void FUObjectArray::RemoveFromNameHash(UObjectBase* Object)
{
	const auto Inners = InnersByOuter.find(Object->GetOuter());
	const auto Position = InnerPositions.find(Object);
	if (Inners != InnersByOuter.end() && Position != InnerPositions.end())
	{
		FInners& Siblings = Inners->second;
		check(Siblings.Objects[Position->second] == Object);
		Siblings.Objects[Position->second] = nullptr;
		InnerPositions.erase(Position);
		if (++Siblings.NumGone * 2 >= Siblings.Objects.size())
		{
			Siblings.Objects.erase(std::remove(Siblings.Objects.begin(), Siblings.Objects.end(), nullptr), Siblings.Objects.end());
			Siblings.NumGone = 0;
			for (size_t Index = 0; Index < Siblings.Objects.size(); ++Index)
			{
				InnerPositions[Siblings.Objects[Index]] = Index;
			}
		}
		if (Siblings.Objects.empty())
		{
			InnersByOuter.erase(Inners);
		}
	}
	const auto Found = NameHash.find(FNameKey{Object->GetOuter(), Object->GetFName()});
	if (Found != NameHash.end() && Found->second == Object)
	{
		NameHash.erase(Found);
	}
}

UObjectBase* FUObjectArray::FindByOuterAndName(const UObject* Outer, FName Name) const
{
	const auto Found = NameHash.find(FNameKey{Outer, Name});
	return Found == NameHash.end() ? nullptr : Found->second;
}

const std::vector<UObjectBase*>* FUObjectArray::FindInners(const UObjectBase* Outer) const
{
	const auto Found = InnersByOuter.find(Outer);
	return Found == InnersByOuter.end() ? nullptr : &Found->second.Objects;
}

void FUObjectArrayAccess::SetOuter(UObjectBase* Object, UObject* NewOuter)
{
	FUObjectArray::Get().RemoveFromNameHash(Object);
	Object->OuterPrivate = NewOuter;
	FUObjectArray::Get().AddToNameHash(Object);
}

void FUObjectArrayAccess::SetName(UObjectBase* Object, FName NewName)
{
	FUObjectArray::Get().RemoveFromNameHash(Object);
	Object->NamePrivate = NewName;
	FUObjectArray::Get().AddToNameHash(Object);
}

UObjectBase::UObjectBase()
{
	// Every object is made by StaticConstructObject_Internal (or the class bootstrap), which pushes
	// an initializer naming the class, outer, name and flags before running the C++ constructors.
	const FObjectInitializer* Initializer = GTopInitializer;
	checkf(Initializer && (void*)Initializer->GetObj() == (void*)this, TEXT("Objects must be created with NewObject"));
	ClassPrivate = Initializer->GetClass();
	OuterPrivate = Initializer->GetOuter();
	NamePrivate = Initializer->GetName();
	ObjectFlags = Initializer->GetFlags();
	InternalIndex = FUObjectArray::Get().Allocate(this);
	FUObjectArray::Get().AddToNameHash(this);
}

UObjectBase::~UObjectBase()
{
	FUObjectArray::Get().RemoveFromNameHash(this);
	FUObjectArray::Get().Free(InternalIndex);
}

bool UObjectBase::IsValidLowLevel() const
{
	const FUObjectItem* Item = FUObjectArray::Get().GetItem(InternalIndex);
	return Item && Item->Object == this;
}

FObjectInitializer::FObjectInitializer(UObject* InObj, UClass* InClass, UObject* InOuter, FName InName, EObjectFlags InFlags)
	: Obj(InObj)
	, Class(InClass)
	, Outer(InOuter)
	, Name(InName)
	, Flags(InFlags)
	, Previous(GTopInitializer)
{
	GTopInitializer = this;
}

FObjectInitializer::~FObjectInitializer()
{
	GTopInitializer = Previous;
}

FObjectInitializer& FObjectInitializer::Get()
{
	checkf(GTopInitializer, TEXT("FObjectInitializer::Get() can only be used inside of UObject-derived class constructor."));
	return *GTopInitializer;
}

void UObjectBaseUtility::AddToRoot()
{
	FUObjectArray::Get().GetItem(GetUniqueID())->bRooted = true;
}

void UObjectBaseUtility::RemoveFromRoot()
{
	FUObjectArray::Get().GetItem(GetUniqueID())->bRooted = false;
}

bool UObjectBaseUtility::IsRooted() const
{
	const FUObjectItem* Item = FUObjectArray::Get().GetItem(GetUniqueID());
	return Item && Item->bRooted;
}

bool UObjectBaseUtility::IsUnreachable() const
{
	const FUObjectItem* Item = FUObjectArray::Get().GetItem(GetUniqueID());
	return Item && Item->bUnreachable;
}

FString UObjectBaseUtility::GetPathName(const UObject* StopOuter) const
{
	const UObject* Outer = GetOuter();
	if (this == StopOuter)
	{
		return TEXT("None");
	}
	if (!Outer || Outer == StopOuter)
	{
		return GetName();
	}
	// ':' between an asset and its subobjects ("BP.BP:EventGraph"), '.' everywhere else ("EventGraph.K2Node_0").
	const bool bSubobjectOfAsset = Outer->GetClass() != UPackage::StaticClass() && Outer->GetOuter() && Outer->GetOuter()->GetClass() == UPackage::StaticClass();
	const TCHAR* Separator = bSubobjectOfAsset ? TEXT(":") : TEXT(".");
	return Outer->GetPathName(StopOuter) + Separator + GetName();
}

FString UObjectBaseUtility::GetFullName(const UObject* StopOuter) const
{
	return GetClass()->GetName() + TEXT(" ") + GetPathName(StopOuter);
}

UPackage* UObjectBaseUtility::GetPackage() const
{
	const UObjectBaseUtility* Top = this;
	while (Top->GetOuter())
	{
		Top = Top->GetOuter();
	}
	return Top->GetClass() == UPackage::StaticClass() ? (UPackage*)Top : nullptr;
}

UObject* UObjectBaseUtility::GetOutermostObject() const
{
	const UObjectBaseUtility* Top = this;
	while (Top->GetOuter() && Top->GetOuter()->GetClass() != UPackage::StaticClass())
	{
		Top = Top->GetOuter();
	}
	return (UObject*)Top;
}

bool UObjectBaseUtility::IsA(const UClass* SomeBase) const
{
	const UClass* Class = GetClass();
	return Class && Class->IsChildOf(SomeBase);
}

UObject* UObjectBaseUtility::GetTypedOuter(UClass* Target) const
{
	for (UObject* Outer = GetOuter(); Outer; Outer = Outer->GetOuter())
	{
		if (Outer->IsA(Target))
		{
			return Outer;
		}
	}
	return nullptr;
}

bool UObjectBaseUtility::IsIn(const UObject* SomeOuter) const
{
	for (const UObject* Outer = GetOuter(); Outer; Outer = Outer->GetOuter())
	{
		if (Outer == SomeOuter)
		{
			return true;
		}
	}
	return false;
}

bool UObjectBaseUtility::IsTemplate(EObjectFlags TemplateTypes) const
{
	for (const UObjectBaseUtility* Object = this; Object; Object = Object->GetOuter())
	{
		if (Object->HasAnyFlags(TemplateTypes))
		{
			return true;
		}
	}
	return false;
}

void UObjectBaseUtility::MarkPackageDirty() const
{
	if (UPackage* Package = GetPackage())
	{
		if (!Package->HasAnyFlags(RF_Transient) && Package != GetTransientPackage())
		{
			Package->SetDirtyFlag(true);
		}
	}
}

void FWeakObjectPtr::operator=(const UObject* Object)
{
	if (Object)
	{
		ObjectIndex = Object->GetUniqueID();
		ObjectSerialNumber = FUObjectArray::Get().GetItem(ObjectIndex)->SerialNumber;
	}
	else
	{
		Reset();
	}
}

UObject* FWeakObjectPtr::Get() const
{
	const FUObjectItem* Item = FUObjectArray::Get().GetItem(ObjectIndex);
	if (!Item || !Item->Object || Item->SerialNumber != ObjectSerialNumber || Item->bUnreachable)
	{
		return nullptr;
	}
	return (UObject*)Item->Object;
}

bool FWeakObjectPtr::IsStale() const
{
	return ObjectSerialNumber != 0 && Get() == nullptr;
}
