#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"
#include "Templates/Casts.h"
#include "UObjectArray.h"

#include <cstring>

namespace
{
	const FString& EmptyMetaData()
	{
		static const FString Empty;
		return Empty;
	}
}

const FString& UField::GetMetaData(const TCHAR* Key) const
{
	const FString* Found = FindMetaData(Key);
	return Found ? *Found : EmptyMetaData();
}

const FString& UField::GetMetaData(const FName& Key) const
{
	const FString* Found = FindMetaData(Key);
	return Found ? *Found : EmptyMetaData();
}

FText UField::GetToolTipText(bool bShortTooltip) const
{
	const FString& ToolTip = GetMetaData(TEXT("ToolTip"));
	return ToolTip.IsEmpty() ? GetDisplayNameText() : FText::FromString(ToolTip);
}

FText UField::GetDisplayNameText() const
{
	// The engine first takes "_C" and "SKEL_" off the names of Blueprint classes; the host's classes are all native.
	const FString& DisplayName = GetMetaData(TEXT("DisplayName"));
	return FText::FromString(DisplayName.IsEmpty() ? FName::NameToDisplayString(GetName(), false) : DisplayName);
}

UStruct::~UStruct()
{
	FField* Field = ChildProperties;
	while (Field)
	{
		FField* Next = Field->Next;
		delete Field;
		Field = Next;
	}
}

bool UStruct::IsChildOf(const UStruct* SomeBase) const
{
	for (const UStruct* Struct = this; Struct; Struct = Struct->GetSuperStruct())
	{
		if (Struct == SomeBase)
		{
			return true;
		}
	}
	return false;
}

FProperty* UStruct::FindPropertyByName(FName InName) const
{
	for (TFieldIterator<FProperty> It(this); It; ++It)
	{
		if (It->GetFName() == InName)
		{
			return *It;
		}
	}
	return nullptr;
}

void UStruct::AddCppProperty(FProperty* Property)
{
	FField** Tail = &ChildProperties;
	while (*Tail)
	{
		Tail = &(*Tail)->Next;
	}
	*Tail = Property;
	Property->Next = nullptr;
}

void UScriptStruct::InitializeStruct(void* Dest, int32 ArrayDim) const
{
	check(CppStructOps);
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		CppStructOps->Construct((uint8*)Dest + Index * CppStructOps->GetSize());
	}
}

void UScriptStruct::DestroyStruct(void* Dest, int32 ArrayDim) const
{
	check(CppStructOps);
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		CppStructOps->Destruct((uint8*)Dest + Index * CppStructOps->GetSize());
	}
}

void UScriptStruct::CopyScriptStruct(void* Dest, const void* Src, int32 ArrayDim) const
{
	check(CppStructOps);
	CppStructOps->Copy(Dest, Src, ArrayDim);
}

bool UScriptStruct::CompareScriptStruct(const void* A, const void* B, uint32 PortFlags) const
{
	for (TFieldIterator<FProperty> It(this); It; ++It)
	{
		if (!It->Identical_InContainer(A, B, 0, PortFlags))
		{
			return false;
		}
	}
	return true;
}

FProperty* UFunction::GetReturnProperty() const
{
	for (TFieldIterator<FProperty> It(this, EFieldIteratorFlags::ExcludeSuper); It; ++It)
	{
		if (It->HasAnyPropertyFlags(CPF_ReturnParm))
		{
			return *It;
		}
	}
	return nullptr;
}

UClass* UFunction::GetOuterUClass() const
{
	return Cast<UClass>(GetOuter());
}

void UFunction::Invoke(UObject* Obj, FFrame& Stack, RESULT_DECL)
{
	checkf(Func, TEXT("Function %s has no native implementation"), *GetPathName());
	Func(Obj, Stack, RESULT_PARAM);
}

void UFunction::StaticLink(bool bRelinkExistingProperties)
{
	NumParms = 0;
	ReturnValueOffset = MAX_uint16;
	for (TFieldIterator<FProperty> It(this, EFieldIteratorFlags::ExcludeSuper); It; ++It)
	{
		if (It->HasAnyPropertyFlags(CPF_Parm))
		{
			++NumParms;
		}
		if (It->HasAnyPropertyFlags(CPF_ReturnParm))
		{
			ReturnValueOffset = (uint16)It->GetOffset_ForUFunction();
		}
	}
}

void UEnum::SetEnums(TArray<TPair<FName, int64>>& InNames, ECppForm InCppForm)
{
	Names = InNames;
	CppForm = InCppForm;
}

FName UEnum::GetNameByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? Names[Index].Key : FName();
}

FString UEnum::GetNameStringByIndex(int32 Index) const
{
	if (!Names.IsValidIndex(Index))
	{
		return FString();
	}
	// Enumerators are stored with their scope ("ESearchCase::IgnoreCase"); only a regular enum keeps it.
	const FString Full = Names[Index].Key.ToString();
	const int32 Scope = CppForm == ECppForm::Regular ? INDEX_NONE : Full.Find(TEXT("::"), ESearchCase::CaseSensitive);
	return Scope == INDEX_NONE ? Full : Full.RightChop(Scope + 2);
}

int64 UEnum::GetValueByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? Names[Index].Value : (int64)INDEX_NONE;
}

int32 UEnum::GetIndexByName(const FName InName) const
{
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		if (Names[Index].Key == InName || GetNameStringByIndex(Index) == InName.ToString())
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 UEnum::GetIndexByValue(int64 InValue) const
{
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		if (Names[Index].Value == InValue)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int64 UEnum::GetValueByName(FName InName) const
{
	return GetValueByIndex(GetIndexByName(InName));
}

FString UEnum::GetNameStringByValue(int64 InValue) const
{
	return GetNameStringByIndex(GetIndexByValue(InValue));
}

int64 UEnum::GetMaxEnumValue() const
{
	int64 Max = 0;
	for (const TPair<FName, int64>& Pair : Names)
	{
		Max = std::max(Max, Pair.Value);
	}
	return Max;
}

FText UEnum::GetDisplayNameTextByIndex(int32 NameIndex) const
{
	const FString Name = GetNameStringByIndex(NameIndex);
	if (Name.IsEmpty())
	{
		return FText::GetEmpty();
	}
	// Metadata that is there but empty gives the bare name, not the spaced one.
	const FString DisplayName = HasMetaData(TEXT("DisplayName"), NameIndex) ? GetMetaData(TEXT("DisplayName"), NameIndex) : FName::NameToDisplayString(Name, false);
	return FText::FromString(DisplayName.IsEmpty() ? Name : DisplayName);
}

FText UEnum::GetToolTipTextByIndex(int32 NameIndex) const
{
	return FText::FromString(GetMetaData(TEXT("ToolTip"), NameIndex));
}

FString UEnum::GetMetaData(const TCHAR* Key, int32 NameIndex, bool bAllowRemap) const
{
	if (NameIndex == INDEX_NONE)
	{
		return UField::GetMetaData(Key);
	}
	return UField::GetMetaData(FName(*(GetNameStringByIndex(NameIndex) + TEXT(".") + Key)));
}

bool UEnum::HasMetaData(const TCHAR* Key, int32 NameIndex) const
{
	if (NameIndex == INDEX_NONE)
	{
		return UField::HasMetaData(Key);
	}
	return UField::HasMetaData(FName(*(GetNameStringByIndex(NameIndex) + TEXT(".") + Key)));
}

UObject* UClass::GetDefaultObject(bool bCreateIfNeeded) const
{
	if (!ClassDefaultObject && bCreateIfNeeded)
	{
		if (UClass* SuperClass = GetSuperClass())
		{
			SuperClass->GetDefaultObject();
		}
		FStaticConstructObjectParameters Params(this);
		Params.Outer = GetOuter();
		Params.Name = GetDefaultObjectName();
		Params.SetFlags = RF_Public | RF_ClassDefaultObject | RF_ArchetypeObject;
		ClassDefaultObject = StaticConstructObject_Internal(Params);
	}
	return ClassDefaultObject;
}

FName UClass::GetDefaultObjectName() const
{
	return FName(*(FString(TEXT("Default__")) + GetName()));
}

UFunction* UClass::FindFunctionByName(FName InName, EIncludeSuperFlag::Type IncludeSuper) const
{
	for (const UClass* Class = this; Class; Class = Class->GetSuperClass())
	{
		if (UFunction* const* Found = Class->FuncMap.Find(InName))
		{
			return *Found;
		}
		if (IncludeSuper == EIncludeSuperFlag::ExcludeSuper)
		{
			break;
		}
	}
	return nullptr;
}

void UClass::AddFunctionToFunctionMap(UFunction* Function, FName FuncName)
{
	FuncMap.Add(FuncName, Function);
	UField** Tail = &Children;
	while (*Tail)
	{
		Tail = &(*Tail)->Next;
	}
	*Tail = Function;
	if (FNativeFuncPtr* Native = NativeFunctionLookupTable.Find(FuncName))
	{
		Function->SetNativeFunc(*Native);
	}
}

void UClass::RemoveFunctionFromFunctionMap(UFunction* Function)
{
	FuncMap.Remove(Function->GetFName());
	for (UField** Link = &Children; *Link; Link = &(*Link)->Next)
	{
		if (*Link == Function)
		{
			*Link = Function->Next;
			Function->Next = nullptr;
			break;
		}
	}
}

void UClass::AddNativeFunction(const ANSICHAR* InName, FNativeFuncPtr InPointer)
{
	NativeFunctionLookupTable.Add(FName(UTF8_TO_TCHAR(InName)), InPointer);
}

void UClass::CallClassConstructor(const FObjectInitializer& ObjectInitializer) const
{
	(*ClassConstructor)(ObjectInitializer);
}

void FNativeFunctionRegistrar::RegisterFunctions(UClass* Class, const FNameNativePtrPair* InArray, int32 NumFunctions)
{
	for (int32 Index = 0; Index < NumFunctions; ++Index)
	{
		Class->AddNativeFunction(InArray[Index].NameUTF8, InArray[Index].Pointer);
	}
}

void GetPrivateStaticClassBody(
	const TCHAR* PackageName,
	const TCHAR* Name,
	UClass*& ReturnClass,
	void (*RegisterNativeFunc)(),
	uint32 InSize,
	uint32 InAlignment,
	EClassFlags InClassFlags,
	EClassCastFlags InClassCastFlags,
	const TCHAR* InConfigName,
	ClassConstructorType InClassConstructor,
	ClassAddReferencedObjectsType InClassAddReferencedObjects,
	StaticClassFunctionType InSuperClassFn,
	StaticClassFunctionType InWithinClassFn)
{
	// The class object is built before its own class (UClass), super class and package exist, so
	// that those can refer back to it while they are being built.
	void* Memory = ::operator new(sizeof(UClass));
	std::memset(Memory, 0, sizeof(UClass));
	{
		FObjectInitializer Initializer((UObject*)Memory, nullptr, nullptr, FName(Name), RF_Public | RF_Standalone | RF_MarkAsNative | RF_MarkAsRootSet);
		UClass::__DefaultConstructor(Initializer);
	}
	UClass* Class = (UClass*)Memory;
	ReturnClass = Class;
	Class->AddToRoot();
	Class->SetPropertiesSize((int32)InSize);
	Class->ClassFlags = InClassFlags | CLASS_Native;
	Class->ClassCastFlags = InClassCastFlags;
	Class->ClassConstructor = InClassConstructor;
	Class->ClassAddReferencedObjects = InClassAddReferencedObjects;
	if (InConfigName)
	{
		Class->ClassConfigName = FName(InConfigName);
	}

	FUObjectArrayAccess::SetClass(Class, UClass::StaticClass());
	UClass* SuperClass = InSuperClassFn();
	if (SuperClass != Class)
	{
		Class->SetSuperStruct(SuperClass);
		Class->ClassCastFlags |= SuperClass->ClassCastFlags;
	}
	UClass* WithinClass = InWithinClassFn();
	Class->ClassWithin = WithinClass;
	FUObjectArrayAccess::SetOuter(Class, CreatePackage(PackageName));
	RegisterNativeFunc();
}
