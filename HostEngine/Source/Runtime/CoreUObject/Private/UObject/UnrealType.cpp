#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/PropertyValueOps.h"
#include "ObjectTextReferences.h"

#include <cmath>
#include <cstdio>

IMPLEMENT_FIELD(FProperty)
IMPLEMENT_FIELD(FBoolProperty)
IMPLEMENT_FIELD(FNumericProperty)
IMPLEMENT_FIELD(FInt8Property)
IMPLEMENT_FIELD(FInt16Property)
IMPLEMENT_FIELD(FIntProperty)
IMPLEMENT_FIELD(FInt64Property)
IMPLEMENT_FIELD(FUInt16Property)
IMPLEMENT_FIELD(FUInt32Property)
IMPLEMENT_FIELD(FUInt64Property)
IMPLEMENT_FIELD(FFloatProperty)
IMPLEMENT_FIELD(FDoubleProperty)
IMPLEMENT_FIELD(FByteProperty)
IMPLEMENT_FIELD(FStrProperty)
IMPLEMENT_FIELD(FNameProperty)
IMPLEMENT_FIELD(FTextProperty)
IMPLEMENT_FIELD(FObjectPropertyBase)
IMPLEMENT_FIELD(FObjectProperty)
IMPLEMENT_FIELD(FClassProperty)
IMPLEMENT_FIELD(FWeakObjectProperty)
IMPLEMENT_FIELD(FStructProperty)
IMPLEMENT_FIELD(FArrayProperty)
IMPLEMENT_FIELD(FMapProperty)
IMPLEMENT_FIELD(FEnumProperty)
IMPLEMENT_FIELD(FDelegateProperty)
IMPLEMENT_FIELD(FMulticastDelegateProperty)
IMPLEMENT_FIELD(FMulticastInlineDelegateProperty)

namespace
{
	const TCHAR* SkipWhitespace(const TCHAR* Buffer)
	{
		while (Buffer && FChar::IsWhitespace(*Buffer))
		{
			++Buffer;
		}
		return Buffer;
	}

	/** Reads a bare token: everything up to a delimiter of the text form. */
	const TCHAR* ReadBareToken(const TCHAR* Buffer, FString& Out)
	{
		Buffer = SkipWhitespace(Buffer);
		while (*Buffer && *Buffer != ',' && *Buffer != ')' && *Buffer != '(' && *Buffer != '\n' && *Buffer != '\r' && !FChar::IsWhitespace(*Buffer))
		{
			Out.AppendChar(*Buffer++);
		}
		return Buffer;
	}
}

namespace UE::CoreUObject::Private
{
	FString QuoteText(const FString& Text)
	{
		FString Result(TEXT("\""));
		for (const TCHAR Char : Text)
		{
			switch (Char)
			{
			case '"':
				Result += TEXT("\\\"");
				break;
			case '\\':
				Result += TEXT("\\\\");
				break;
			case '\n':
				Result += TEXT("\\n");
				break;
			case '\r':
				Result += TEXT("\\r");
				break;
			case '\t':
				Result += TEXT("\\t");
				break;
			default:
				Result.AppendChar(Char);
			}
		}
		Result.AppendChar('"');
		return Result;
	}

	const TCHAR* ReadQuotedText(const TCHAR* Buffer, FString& Out)
	{
		Buffer = SkipWhitespace(Buffer);
		if (*Buffer != '"')
		{
			return nullptr;
		}
		++Buffer;
		while (*Buffer && *Buffer != '"')
		{
			if (*Buffer == '\\' && Buffer[1])
			{
				++Buffer;
				switch (*Buffer)
				{
				case 'n':
					Out.AppendChar('\n');
					break;
				case 'r':
					Out.AppendChar('\r');
					break;
				case 't':
					Out.AppendChar('\t');
					break;
				default:
					Out.AppendChar(*Buffer);
				}
			}
			else
			{
				Out.AppendChar(*Buffer);
			}
			++Buffer;
		}
		return *Buffer == '"' ? Buffer + 1 : nullptr;
	}

	const TCHAR* SkipDelimitedValue(const TCHAR* Buffer)
	{
		int32 Depth = 0;
		while (*Buffer)
		{
			if (*Buffer == '"')
			{
				FString Ignored;
				Buffer = ReadQuotedText(Buffer, Ignored);
				if (!Buffer)
				{
					return nullptr;
				}
				continue;
			}
			if (*Buffer == '(')
			{
				++Depth;
			}
			else if (*Buffer == ')' || (*Buffer == ',' && Depth == 0))
			{
				if (Depth == 0)
				{
					return Buffer;
				}
				Depth -= *Buffer == ')' ? 1 : 0;
			}
			++Buffer;
		}
		return Depth == 0 ? Buffer : nullptr;
	}
}

using UE::CoreUObject::Private::QuoteText;
using UE::CoreUObject::Private::ReadQuotedText;

FProperty::FProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps)
	: FField(InOwner, InName)
	, ElementSize(InOps->Size)
	, PropertyFlags(InFlags)
	, Offset_Internal(InOffset)
	, ValueOps(InOps)
{
}

void FProperty::InitializeValue(void* Dest) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		ValueOps->Construct((uint8*)Dest + Index * ElementSize);
	}
}

void FProperty::DestroyValue(void* Dest) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		ValueOps->Destruct((uint8*)Dest + Index * ElementSize);
	}
}

void FProperty::ClearValue(void* Data) const
{
	ValueOps->Destruct(Data);
	ValueOps->Construct(Data);
}

void FProperty::CopyCompleteValue(void* Dest, const void* Src) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		ValueOps->Copy((uint8*)Dest + Index * ElementSize, (const uint8*)Src + Index * ElementSize);
	}
}

bool FProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	if (!A || !B)
	{
		return A == B;
	}
	return ValueOps->Identical(A, B);
}

bool FProperty::ShouldPort(uint32 PortFlags) const
{
	if (HasAnyPropertyFlags(CPF_Transient) && !(PortFlags & PPF_IncludeTransient))
	{
		return false;
	}
	return !CastField<FDelegateProperty>(this);
}

void FBoolProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ValueStr += GetPropertyValue(PropertyValue) ? TEXT("True") : TEXT("False");
}

const TCHAR* FBoolProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Token;
	Buffer = ReadBareToken(Buffer, Token);
	if (Token == TEXT("True") || Token == TEXT("1") || Token == TEXT("Yes"))
	{
		SetPropertyValue(Data, true);
	}
	else if (Token == TEXT("False") || Token == TEXT("0") || Token == TEXT("No"))
	{
		SetPropertyValue(Data, false);
	}
	else
	{
		return nullptr;
	}
	return Buffer;
}

FNumericProperty::FNumericProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, EKind InKind)
	: FProperty(InOwner, InName, InFlags, InOffset, InOps)
	, Kind(InKind)
{
}

namespace
{
	/** Calls Functor with a value-initialized instance of the C++ type that Kind stands for. */
	template <typename FunctorType>
	decltype(auto) VisitNumericKind(FNumericProperty::EKind Kind, FunctorType&& Functor)
	{
		switch (Kind)
		{
		case FNumericProperty::EKind::Int8:
			return Functor(int8());
		case FNumericProperty::EKind::UInt8:
			return Functor(uint8());
		case FNumericProperty::EKind::Int16:
			return Functor(int16());
		case FNumericProperty::EKind::UInt16:
			return Functor(uint16());
		case FNumericProperty::EKind::Int32:
			return Functor(int32());
		case FNumericProperty::EKind::UInt32:
			return Functor(uint32());
		case FNumericProperty::EKind::Int64:
			return Functor(int64());
		case FNumericProperty::EKind::UInt64:
			return Functor(uint64());
		case FNumericProperty::EKind::Float:
			return Functor(float());
		case FNumericProperty::EKind::Double:
			break;
		}
		return Functor(double());
	}
}

int64 FNumericProperty::GetSignedIntPropertyValue(const void* Data) const
{
	return VisitNumericKind(Kind, [Data](auto Zero) { return (int64) * (const decltype(Zero)*)Data; });
}

double FNumericProperty::GetFloatingPointPropertyValue(const void* Data) const
{
	return VisitNumericKind(Kind, [Data](auto Zero) { return (double)*(const decltype(Zero)*)Data; });
}

void FNumericProperty::SetIntPropertyValue(void* Data, int64 Value) const
{
	VisitNumericKind(Kind, [Data, Value](auto Zero) { *(decltype(Zero)*)Data = (decltype(Zero))Value; });
}

void FNumericProperty::SetFloatingPointPropertyValue(void* Data, double Value) const
{
	VisitNumericKind(Kind, [Data, Value](auto Zero)
	{
		typedef decltype(Zero) ValueType;
		// Integers go through int64, so an out-of-range value wraps instead of being undefined.
		*(ValueType*)Data = std::is_floating_point_v<ValueType> ? (ValueType)Value : (ValueType)(int64)Value;
	});
}

FString FNumericProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	static const TCHAR* const Names[] = {TEXT("int8"), TEXT("uint8"), TEXT("int16"), TEXT("uint16"), TEXT("int32"), TEXT("uint32"), TEXT("int64"), TEXT("uint64"), TEXT("float"), TEXT("double")};
	return Names[(int32)Kind];
}

void FNumericProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	if (IsFloatingPoint())
	{
		char Buffer[64];
		snprintf(Buffer, sizeof(Buffer), "%.17g", GetFloatingPointPropertyValue(PropertyValue));
		ValueStr += FString(Buffer);
	}
	else if (Kind == EKind::UInt64)
	{
		ValueStr += LexToString(*(const uint64*)PropertyValue);
	}
	else
	{
		ValueStr += LexToString(GetSignedIntPropertyValue(PropertyValue));
	}
}

const TCHAR* FNumericProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Token;
	Buffer = ReadBareToken(Buffer, Token);
	if (Token.IsEmpty() || !Token.IsNumeric())
	{
		if (!IsFloatingPoint() || Token.IsEmpty())
		{
			return nullptr;
		}
	}
	if (IsFloatingPoint())
	{
		SetFloatingPointPropertyValue(Data, FCString::Atod(*Token));
	}
	else
	{
		SetIntPropertyValue(Data, FCString::Atoi64(*Token));
	}
	return Buffer;
}

FByteProperty::FByteProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UEnum* InEnum)
	: FNumericProperty(InOwner, InName, InFlags, InOffset, InOps, EKind::UInt8)
	, Enum(InEnum)
{
}

FString FByteProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return Enum ? FString::Printf(TEXT("TEnumAsByte<%s>"), *Enum->CppType) : FString(TEXT("uint8"));
}

void FByteProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	if (Enum)
	{
		ValueStr += Enum->GetNameStringByValue(*(const uint8*)PropertyValue);
	}
	else
	{
		FNumericProperty::ExportTextItem_Direct(ValueStr, PropertyValue, DefaultValue, Parent, PortFlags, ExportRootScope);
	}
}

const TCHAR* FByteProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	if (Enum)
	{
		FString Token;
		const TCHAR* End = ReadBareToken(Buffer, Token);
		const int32 Index = Enum->GetIndexByName(Token.Len() < NAME_SIZE ? FName(*Token) : FName());
		if (Index != INDEX_NONE)
		{
			*(uint8*)Data = (uint8)Enum->GetValueByIndex(Index);
			return End;
		}
	}
	return FNumericProperty::ImportText_Direct(Buffer, Data, OwnerObject, PortFlags, ErrorText);
}

void FStrProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ValueStr += QuoteText(*(const FString*)PropertyValue);
}

const TCHAR* FStrProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Value;
	Buffer = ReadQuotedText(Buffer, Value);
	if (Buffer)
	{
		*(FString*)Data = MoveTemp(Value);
	}
	return Buffer;
}

void FNameProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ValueStr += QuoteText(((const FName*)PropertyValue)->ToString());
}

const TCHAR* FNameProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Value;
	const TCHAR* Quoted = ReadQuotedText(Buffer, Value);
	if (!Quoted)
	{
		Value.Empty();
		Quoted = ReadBareToken(Buffer, Value);
	}
	// The engine asserts on a name it cannot hold; text from outside is refused instead.
	if (Value.Len() >= NAME_SIZE)
	{
		return nullptr;
	}
	*(FName*)Data = Value == TEXT("None") ? FName() : FName(*Value);
	return Quoted;
}

void FTextProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	FTextStringHelper::WriteToBuffer(ValueStr, *(const FText*)PropertyValue, (PortFlags & PPF_Delimited) != 0);
}

const TCHAR* FTextProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FText Imported;
	const TCHAR* const Result = FTextStringHelper::ReadFromBuffer(Buffer, Imported, nullptr, nullptr, (PortFlags & PPF_Delimited) != 0);
	if (Result)
	{
		*(FText*)Data = MoveTemp(Imported);
	}
	return Result;
}

FObjectPropertyBase::FObjectPropertyBase(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UClass* InPropertyClass)
	: FProperty(InOwner, InName, InFlags, InOffset, InOps)
	, PropertyClass(InPropertyClass)
{
}

UObject* FObjectPropertyBase::GetObjectPropertyValue(const void* PropertyValueAddress) const
{
	return *(UObject* const*)PropertyValueAddress;
}

void FObjectPropertyBase::SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const
{
	*(UObject**)PropertyValueAddress = Value;
}

FString FObjectPropertyBase::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TObjectPtr<U%s>"), *PropertyClass->GetName());
}

void FObjectPropertyBase::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const UObject* Object = GetObjectPropertyValue(PropertyValue);
	if (!Object)
	{
		ValueStr += TEXT("None");
		return;
	}
	// Delimited text quotes the reference, as the engine has written it since it named classes by path.
	const FString Reference = FString::Printf(TEXT("%s'%s'"), *Object->GetClass()->GetPathName(), *Object->GetPathName());
	ValueStr += (PortFlags & PPF_Delimited) ? QuoteText(Reference) : Reference;
}

const TCHAR* FObjectPropertyBase::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	Buffer = SkipWhitespace(Buffer);
	FString Token;
	if (*Buffer == '"')
	{
		Buffer = ReadQuotedText(Buffer, Token);
	}
	else
	{
		while (*Buffer && *Buffer != ',' && *Buffer != ')' && *Buffer != '\n' && *Buffer != '\r' && *Buffer != '\'')
		{
			Token.AppendChar(*Buffer++);
		}
		Token.TrimEndInline();
		// Class'Path': the path may be quoted itself, as UE 4 wrote it (Class'"/Script/Engine.X"').
		if (*Buffer == '\'')
		{
			FString Path;
			++Buffer;
			if (*Buffer == '"')
			{
				Buffer = ReadQuotedText(Buffer, Path);
			}
			else
			{
				while (*Buffer && *Buffer != '\'' && *Buffer != ',' && *Buffer != ')' && *Buffer != '\n' && *Buffer != '\r')
				{
					Path.AppendChar(*Buffer++);
				}
			}
			if (!Buffer || *Buffer != '\'')
			{
				return nullptr;
			}
			++Buffer;
			Token += TEXT("'") + Path + TEXT("'");
		}
	}
	if (!Buffer)
	{
		return nullptr;
	}
	if (Token == TEXT("None") || Token.IsEmpty())
	{
		SetObjectPropertyValue(Data, nullptr);
		return Buffer;
	}
	UObject* Object = UE::CoreUObject::Private::ResolveObjectReference(Token);
	if (!Object || (PropertyClass && !Object->IsA(PropertyClass)))
	{
		return nullptr;
	}
	SetObjectPropertyValue(Data, Object);
	return Buffer;
}

void FObjectPropertyBase::AddReferencedObjects(void* Value, FReferenceCollector& Collector) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		UObject** Reference = (UObject**)((uint8*)Value + Index * ElementSize);
		Collector.AddReferencedObject(*Reference);
	}
}

FClassProperty::FClassProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UClass* InMetaClass)
	: FObjectProperty(InOwner, InName, InFlags, InOffset, InOps, UClass::StaticClass())
	, MetaClass(InMetaClass)
{
}

FString FClassProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TSubclassOf<U%s>"), *MetaClass->GetName());
}

UObject* FWeakObjectProperty::GetObjectPropertyValue(const void* PropertyValueAddress) const
{
	return ((const FWeakObjectPtr*)PropertyValueAddress)->Get();
}

void FWeakObjectProperty::SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const
{
	*(FWeakObjectPtr*)PropertyValueAddress = Value;
}

FString FWeakObjectProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TWeakObjectPtr<U%s>"), *PropertyClass->GetName());
}

FStructProperty::FStructProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UScriptStruct* InStruct)
	: FProperty(InOwner, InName, InFlags, InOffset, InOps)
	, Struct(InStruct)
{
}

FString FStructProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return Struct->GetStructCPPName();
}

void FStructProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	UScriptStruct::ICppStructOps* const Ops = Struct->GetCppStructOps();
	if (Ops && Ops->HasExportTextItem() && Ops->ExportTextItem(ValueStr, PropertyValue, DefaultValue, Parent, PortFlags, ExportRootScope))
	{
		return;
	}
	// Members equal to the default's are left out, so a struct at its default is "()".
	ValueStr += TEXT("(");
	bool bFirst = true;
	for (TFieldIterator<FProperty> It(Struct); It; ++It)
	{
		if (!It->ShouldPort(PortFlags) || (DefaultValue && It->Identical_InContainer(PropertyValue, DefaultValue, 0, PortFlags)))
		{
			continue;
		}
		if (!bFirst)
		{
			ValueStr += TEXT(",");
		}
		bFirst = false;
		ValueStr += It->GetName() + TEXT("=");
		It->ExportTextItem_Direct(ValueStr, It->ContainerPtrToValuePtr(PropertyValue), DefaultValue ? It->ContainerPtrToValuePtr(DefaultValue) : nullptr, Parent, PortFlags, ExportRootScope);
	}
	ValueStr += TEXT(")");
}

const TCHAR* FStructProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	Buffer = SkipWhitespace(Buffer);
	UScriptStruct::ICppStructOps* const Ops = Struct->GetCppStructOps();
	if (Ops && Ops->HasImportTextItem())
	{
		return Ops->ImportTextItem(Buffer, Data, PortFlags, OwnerObject, ErrorText) ? Buffer : nullptr;
	}
	if (*Buffer != '(')
	{
		return nullptr;
	}
	Buffer = SkipWhitespace(Buffer + 1);
	while (*Buffer && *Buffer != ')')
	{
		FString Name;
		while (*Buffer && *Buffer != '=' && *Buffer != ')')
		{
			Name.AppendChar(*Buffer++);
		}
		if (*Buffer != '=')
		{
			return nullptr;
		}
		// A member this version does not have is skipped, as the engine skips it with a warning.
		FProperty* Member = Struct->FindPropertyByName(FName(*Name.TrimStartAndEnd(), FNAME_Find));
		Buffer = Member ? Member->ImportText_Direct(Buffer + 1, Member->ContainerPtrToValuePtr(Data), OwnerObject, PortFlags, ErrorText) : UE::CoreUObject::Private::SkipDelimitedValue(Buffer + 1);
		if (!Buffer)
		{
			return nullptr;
		}
		Buffer = SkipWhitespace(Buffer);
		if (*Buffer == ',')
		{
			Buffer = SkipWhitespace(Buffer + 1);
		}
	}
	return *Buffer == ')' ? Buffer + 1 : nullptr;
}

bool FStructProperty::ContainsObjectReference() const
{
	for (TFieldIterator<FProperty> It(Struct); It; ++It)
	{
		if (It->ContainsObjectReference())
		{
			return true;
		}
	}
	return false;
}

void FStructProperty::AddReferencedObjects(void* Value, FReferenceCollector& Collector) const
{
	for (TFieldIterator<FProperty> It(Struct); It; ++It)
	{
		if (It->ContainsObjectReference())
		{
			It->AddReferencedObjects(It->ContainerPtrToValuePtr(Value), Collector);
		}
	}
}

FArrayProperty::FArrayProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, FProperty* InInner)
	: FProperty(InOwner, InName, InFlags, InOffset, InOps)
	, Inner(InInner)
{
}

FArrayProperty::~FArrayProperty()
{
	delete Inner;
}

FString FArrayProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TArray<%s>"), *Inner->GetCPPType());
}

void FArrayProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const FScriptArrayHelper Helper(this, PropertyValue);
	ValueStr += TEXT("(");
	for (int32 Index = 0; Index < Helper.Num(); ++Index)
	{
		if (Index > 0)
		{
			ValueStr += TEXT(",");
		}
		Inner->ExportTextItem_Direct(ValueStr, Helper.GetRawPtr(Index), nullptr, Parent, PortFlags, ExportRootScope);
	}
	ValueStr += TEXT(")");
}

const TCHAR* FArrayProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	const FScriptArrayHelper Helper(this, Data);
	Buffer = SkipWhitespace(Buffer);
	if (*Buffer != '(')
	{
		return nullptr;
	}
	Helper.EmptyValues();
	Buffer = SkipWhitespace(Buffer + 1);
	while (*Buffer && *Buffer != ')')
	{
		const int32 Index = Helper.AddValue();
		Buffer = Inner->ImportText_Direct(Buffer, Helper.GetRawPtr(Index), OwnerObject, PortFlags, ErrorText);
		if (!Buffer)
		{
			return nullptr;
		}
		Buffer = SkipWhitespace(Buffer);
		if (*Buffer == ',')
		{
			Buffer = SkipWhitespace(Buffer + 1);
		}
	}
	return *Buffer == ')' ? Buffer + 1 : nullptr;
}

void FArrayProperty::AddReferencedObjects(void* Value, FReferenceCollector& Collector) const
{
	const FScriptArrayHelper Helper(this, Value);
	for (int32 Index = 0; Index < Helper.Num(); ++Index)
	{
		Inner->AddReferencedObjects(Helper.GetRawPtr(Index), Collector);
	}
}

FMapProperty::FMapProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, FProperty* InKeyProp, FProperty* InValueProp)
	: FProperty(InOwner, InName, InFlags, InOffset, InOps)
	, KeyProp(InKeyProp)
	, ValueProp(InValueProp)
{
}

FMapProperty::~FMapProperty()
{
	delete KeyProp;
	delete ValueProp;
}

FString FMapProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TMap<%s, %s>"), *KeyProp->GetCPPType(), *ValueProp->GetCPPType());
}

void FMapProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const FScriptMapHelper Helper(this, PropertyValue);
	ValueStr += TEXT("(");
	for (int32 Index = 0; Index < Helper.Num(); ++Index)
	{
		ValueStr += Index > 0 ? TEXT(",(") : TEXT("(");
		KeyProp->ExportTextItem_Direct(ValueStr, Helper.GetKeyPtr(Index), nullptr, Parent, PortFlags, ExportRootScope);
		ValueStr += TEXT(", ");
		ValueProp->ExportTextItem_Direct(ValueStr, Helper.GetValuePtr(Index), nullptr, Parent, PortFlags, ExportRootScope);
		ValueStr += TEXT(")");
	}
	ValueStr += TEXT(")");
}

const TCHAR* FMapProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	const FScriptMapHelper Helper(this, Data);
	Buffer = SkipWhitespace(Buffer);
	if (*Buffer != '(')
	{
		return nullptr;
	}
	Helper.EmptyValues();
	Buffer = SkipWhitespace(Buffer + 1);
	TArray<uint8> Key;
	TArray<uint8> Value;
	Key.SetNumZeroed(KeyProp->GetSize());
	Value.SetNumZeroed(ValueProp->GetSize());
	KeyProp->InitializeValue(Key.GetData());
	ValueProp->InitializeValue(Value.GetData());
	const TCHAR* Result = nullptr;
	while (*Buffer == '(')
	{
		Buffer = KeyProp->ImportText_Direct(Buffer + 1, Key.GetData(), OwnerObject, PortFlags, ErrorText);
		Buffer = Buffer ? SkipWhitespace(Buffer) : nullptr;
		if (!Buffer || *Buffer != ',')
		{
			break;
		}
		Buffer = ValueProp->ImportText_Direct(Buffer + 1, Value.GetData(), OwnerObject, PortFlags, ErrorText);
		Buffer = Buffer ? SkipWhitespace(Buffer) : nullptr;
		if (!Buffer || *Buffer != ')')
		{
			break;
		}
		Helper.AddPair(Key.GetData(), Value.GetData());
		Buffer = SkipWhitespace(Buffer + 1);
		if (*Buffer == ',')
		{
			Buffer = SkipWhitespace(Buffer + 1);
		}
	}
	if (Buffer && *Buffer == ')')
	{
		Result = Buffer + 1;
	}
	KeyProp->DestroyValue(Key.GetData());
	ValueProp->DestroyValue(Value.GetData());
	return Result;
}

void FMapProperty::AddReferencedObjects(void* Value, FReferenceCollector& Collector) const
{
	const FScriptMapHelper Helper(this, Value);
	for (int32 Index = 0; Index < Helper.Num(); ++Index)
	{
		KeyProp->AddReferencedObjects(Helper.GetKeyPtr(Index), Collector);
		ValueProp->AddReferencedObjects(Helper.GetValuePtr(Index), Collector);
	}
}

FEnumProperty::FEnumProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UEnum* InEnum)
	: FProperty(InOwner, InName, InFlags, InOffset, InOps)
	, Enum(InEnum)
{
	switch (InOps->Size)
	{
	case 1:
		UnderlyingProp = new FByteProperty(InOwner, TEXT("UnderlyingType"), CPF_None, 0, GetPropertyValueOps<uint8>());
		break;
	case 2:
		UnderlyingProp = new FUInt16Property(InOwner, TEXT("UnderlyingType"), CPF_None, 0, GetPropertyValueOps<uint16>());
		break;
	case 8:
		UnderlyingProp = new FInt64Property(InOwner, TEXT("UnderlyingType"), CPF_None, 0, GetPropertyValueOps<int64>());
		break;
	default:
		UnderlyingProp = new FIntProperty(InOwner, TEXT("UnderlyingType"), CPF_None, 0, GetPropertyValueOps<int32>());
		break;
	}
}

FEnumProperty::~FEnumProperty()
{
	delete UnderlyingProp;
}

FString FEnumProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return Enum->CppType;
}

void FEnumProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ValueStr += Enum->GetNameStringByValue(UnderlyingProp->GetSignedIntPropertyValue(PropertyValue));
}

const TCHAR* FEnumProperty::ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Token;
	Buffer = ReadBareToken(Buffer, Token);
	const int32 Index = Enum->GetIndexByName(Token.Len() < NAME_SIZE ? FName(*Token) : FName());
	if (Index == INDEX_NONE)
	{
		return nullptr;
	}
	UnderlyingProp->SetIntPropertyValue(Data, Enum->GetValueByIndex(Index));
	return Buffer;
}

FDelegateProperty::FDelegateProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UFunction* InSignatureFunction)
	: FProperty(InOwner, InName, InFlags, InOffset, InOps)
	, SignatureFunction(InSignatureFunction)
{
}

FString FDelegateProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	FString Name = SignatureFunction ? SignatureFunction->GetName() : FString();
	Name.ReplaceInline(TEXT("__DelegateSignature"), TEXT(""));
	return TEXT("F") + Name;
}

void FMulticastInlineDelegateProperty::AddDelegate(FScriptDelegate ScriptDelegate, UObject* Parent, void* PropertyValue) const
{
	if (PropertyValue == nullptr)
	{
		checkf(Parent, TEXT("Must specify at least one of Parent or PropertyValue"));
		PropertyValue = ContainerPtrToValuePtr<void>(Parent);
	}
	static_cast<FMulticastScriptDelegate*>(PropertyValue)->AddUnique(MoveTemp(ScriptDelegate));
}
