#include "UObject/GeneratedCppIncludes.h"
#include "Templates/Casts.h"
#include "UObjectArray.h"

#include <vector>

namespace
{
	void ApplyMetaData(UField* Field, const UECodeGen_Private::FMetaDataPairParam* MetaData, int32 NumMetaData)
	{
		for (int32 Index = 0; Index < NumMetaData; ++Index)
		{
			Field->SetMetaData(FName(UTF8_TO_TCHAR(MetaData[Index].NameUTF8)), FString(UTF8_TO_TCHAR(MetaData[Index].ValueUTF8)));
		}
	}

	FProperty* NewProperty(UStruct* Owner, const UECodeGen_Private::FPropertyParams& Params)
	{
		using namespace UECodeGen_Private;
		const FName Name(UTF8_TO_TCHAR(Params.NameUTF8));
		const EPropertyFlags Flags = Params.PropertyFlags;
		const int32 Offset = Params.Offset;
		const FPropertyValueOps* Ops = Params.ValueOpsFunc();
		FProperty* Property = nullptr;
		switch (Params.Flags)
		{
		case EPropertyGenFlags::Bool:
			Property = new FBoolProperty(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Int8:
			Property = new FInt8Property(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Int16:
			Property = new FInt16Property(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Int:
			Property = new FIntProperty(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Int64:
			Property = new FInt64Property(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::UInt16:
			Property = new FUInt16Property(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::UInt32:
			Property = new FUInt32Property(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::UInt64:
			Property = new FUInt64Property(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Float:
			Property = new FFloatProperty(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Double:
			Property = new FDoubleProperty(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Byte:
			Property = new FByteProperty(Owner, Name, Flags, Offset, Ops, Params.EnumFunc ? Params.EnumFunc() : nullptr);
			break;
		case EPropertyGenFlags::Str:
			Property = new FStrProperty(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Name:
			Property = new FNameProperty(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Text:
			Property = new FTextProperty(Owner, Name, Flags, Offset, Ops);
			break;
		case EPropertyGenFlags::Object:
			Property = new FObjectProperty(Owner, Name, Flags, Offset, Ops, Params.ClassFunc());
			break;
		case EPropertyGenFlags::Class:
			Property = new FClassProperty(Owner, Name, Flags, Offset, Ops, Params.MetaClassFunc());
			break;
		case EPropertyGenFlags::WeakObject:
			Property = new FWeakObjectProperty(Owner, Name, Flags, Offset, Ops, Params.ClassFunc());
			break;
		case EPropertyGenFlags::Struct:
			Property = new FStructProperty(Owner, Name, Flags, Offset, Ops, Params.StructFunc());
			break;
		case EPropertyGenFlags::Array:
			Property = new FArrayProperty(Owner, Name, Flags, Offset, Ops, NewProperty(Owner, *Params.Inner));
			break;
		case EPropertyGenFlags::Map:
			Property = new FMapProperty(Owner, Name, Flags, Offset, Ops, NewProperty(Owner, *Params.Inner), NewProperty(Owner, *Params.ValueInner));
			break;
		case EPropertyGenFlags::Enum:
			Property = new FEnumProperty(Owner, Name, Flags, Offset, Ops, Params.EnumFunc());
			break;
		case EPropertyGenFlags::Delegate:
			Property = new FDelegateProperty(Owner, Name, Flags, Offset, Ops, Params.SignatureFunc());
			break;
		case EPropertyGenFlags::MulticastInlineDelegate:
			Property = new FMulticastInlineDelegateProperty(Owner, Name, Flags, Offset, Ops, Params.SignatureFunc());
			break;
		}
		check(Property);
		for (int32 Index = 0; Index < Params.NumMetaData; ++Index)
		{
			Property->SetMetaData(FName(UTF8_TO_TCHAR(Params.MetaData[Index].NameUTF8)), FString(UTF8_TO_TCHAR(Params.MetaData[Index].ValueUTF8)));
		}
		return Property;
	}

	void AddProperties(UStruct* Owner, const UECodeGen_Private::FPropertyParams* const* PropertyArray, int32 NumProperties)
	{
		for (int32 Index = 0; Index < NumProperties; ++Index)
		{
			Owner->AddCppProperty(NewProperty(Owner, *PropertyArray[Index]));
		}
	}

	struct FPendingRegistration
	{
		FString PackageName;
		TArray<UClass* (*)()> Classes;
		TArray<UScriptStruct* (*)()> Structs;
		TArray<UEnum* (*)()> Enums;
		TArray<UFunction* (*)()> Delegates;
	};

	std::vector<FPendingRegistration>& GetPendingRegistrations()
	{
		static std::vector<FPendingRegistration> Pending;
		return Pending;
	}
}

namespace UECodeGen_Private
{
	void ConstructUPackage(UPackage*& OutPackage, const FPackageParams& Params)
	{
		if (OutPackage)
		{
			return;
		}
		OutPackage = CreatePackage(UTF8_TO_TCHAR(Params.NameUTF8));
		OutPackage->SetPackageFlags(Params.PackageFlags);
		OutPackage->AddToRoot();
	}

	void ConstructUFunction(UFunction*& OutFunction, const FFunctionParams& Params)
	{
		if (OutFunction)
		{
			return;
		}
		UObject* Outer = Params.OuterFunc();
		UClass* FunctionClass = (Params.FunctionFlags & FUNC_Delegate) ? UDelegateFunction::StaticClass() : UFunction::StaticClass();
		UFunction* Function = NewObject<UFunction>(Outer, FunctionClass, FName(UTF8_TO_TCHAR(Params.NameUTF8)), RF_Public | RF_MarkAsNative);
		OutFunction = Function;
		Function->AddToRoot();
		Function->FunctionFlags = Params.FunctionFlags;
		Function->ParmsSize = Params.ParmsSize;
		Function->SetPropertiesSize(Params.ParmsSize);
		AddProperties(Function, Params.PropertyArray, Params.NumProperties);
		ApplyMetaData(Function, Params.MetaData, Params.NumMetaData);
		Function->StaticLink();
		if (UClass* OuterClass = Cast<UClass>(Outer))
		{
			OuterClass->AddFunctionToFunctionMap(Function, Function->GetFName());
		}
	}

	void ConstructUClass(UClass* Class, const FClassParams& Params)
	{
		if (Class->HasAnyClassFlags(CLASS_Constructed))
		{
			return;
		}
		Class->ClassFlags |= Params.ClassFlags | CLASS_Constructed;
		for (int32 Index = 0; Index < Params.NumFunctions; ++Index)
		{
			Params.FunctionLinkArray[Index].CreateFuncPtr();
		}
		AddProperties(Class, Params.PropertyArray, Params.NumProperties);
		ApplyMetaData(Class, Params.MetaData, Params.NumMetaData);
		Class->StaticLink();
	}

	void ConstructUScriptStruct(UScriptStruct*& OutStruct, const FStructParams& Params)
	{
		if (OutStruct)
		{
			return;
		}
		UScriptStruct* Struct = NewObject<UScriptStruct>(Params.OuterFunc(), UScriptStruct::StaticClass(), FName(UTF8_TO_TCHAR(Params.NameUTF8)), RF_Public | RF_MarkAsNative);
		OutStruct = Struct;
		Struct->AddToRoot();
		if (Params.SuperFunc)
		{
			Struct->SetSuperStruct(Params.SuperFunc());
		}
		Struct->SetCppStructOps(Params.StructOpsFunc());
		Struct->SetPropertiesSize(Params.SizeOf);
		AddProperties(Struct, Params.PropertyArray, Params.NumProperties);
		ApplyMetaData(Struct, Params.MetaData, Params.NumMetaData);
		Struct->StaticLink();
	}

	void ConstructUEnum(UEnum*& OutEnum, const FEnumParams& Params)
	{
		if (OutEnum)
		{
			return;
		}
		UEnum* Enum = NewObject<UEnum>(Params.OuterFunc(), UEnum::StaticClass(), FName(UTF8_TO_TCHAR(Params.NameUTF8)), RF_Public | RF_MarkAsNative);
		OutEnum = Enum;
		Enum->AddToRoot();
		Enum->CppType = FString(UTF8_TO_TCHAR(Params.CppTypeUTF8));
		TArray<TPair<FName, int64>> Names;
		int64 MaxValue = -1;
		for (int32 Index = 0; Index < Params.NumEnumerators; ++Index)
		{
			Names.Emplace(FName(UTF8_TO_TCHAR(Params.Enumerators[Index].NameUTF8)), Params.Enumerators[Index].Value);
			MaxValue = std::max(MaxValue, Params.Enumerators[Index].Value);
		}
		// The engine appends <Enum>_MAX after the last enumerator.
		const FString Prefix = Params.CppForm == UEnum::ECppForm::Regular ? FString() : Enum->GetName() + TEXT("::");
		Names.Emplace(FName(*(Prefix + Enum->GetName() + TEXT("_MAX"))), MaxValue + 1);
		Enum->SetEnums(Names, Params.CppForm);
		ApplyMetaData(Enum, Params.MetaData, Params.NumMetaData);
	}

	FRegisterCompiledInInfo::FRegisterCompiledInInfo(const TCHAR* PackageName, UClass* (*const* Classes)(), int32 NumClasses, UScriptStruct* (*const* Structs)(), int32 NumStructs, UEnum* (*const* Enums)(), int32 NumEnums, UFunction* (*const* Delegates)(), int32 NumDelegates)
	{
		FPendingRegistration Registration;
		Registration.PackageName = PackageName;
		Registration.Classes.Append(Classes, NumClasses);
		Registration.Structs.Append(Structs, NumStructs);
		Registration.Enums.Append(Enums, NumEnums);
		Registration.Delegates.Append(Delegates, NumDelegates);
		GetPendingRegistrations().push_back(MoveTemp(Registration));
	}
}

void ProcessNewlyLoadedUObjects(FName Package, bool bCanProcessNewlyLoadedObjects)
{
	if (!bCanProcessNewlyLoadedObjects)
	{
		return;
	}
	// Constructing a type can load nothing new, but take the list first so re-entry is harmless.
	std::vector<FPendingRegistration> Pending;
	Pending.swap(GetPendingRegistrations());
	for (const FPendingRegistration& Registration : Pending)
	{
		for (UEnum* (*EnumFunc)() : Registration.Enums)
		{
			EnumFunc();
		}
		for (UScriptStruct* (*StructFunc)() : Registration.Structs)
		{
			StructFunc();
		}
		for (UFunction* (*DelegateFunc)() : Registration.Delegates)
		{
			DelegateFunc();
		}
		for (UClass* (*ClassFunc)() : Registration.Classes)
		{
			ClassFunc();
		}
	}
	for (const FPendingRegistration& Registration : Pending)
	{
		for (UClass* (*ClassFunc)() : Registration.Classes)
		{
			ClassFunc()->GetDefaultObject();
		}
	}
}
