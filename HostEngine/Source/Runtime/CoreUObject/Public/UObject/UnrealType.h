#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/Field.h"
#include "UObject/ScriptDelegates.h"

class UEnum;
class UScriptStruct;
class FReferenceCollector;
class FOutputDevice;

/** Flags for ExportTextItem_Direct / ImportText_Direct. */
enum EPropertyPortFlags
{
	PPF_None = 0x00000000,
	PPF_Localized = 0x00000001,
	PPF_Delimited = 0x00000002,
	PPF_CheckReferences = 0x00000004,
	PPF_ExportsNotFullyQualified = 0x00000008,
	PPF_AttemptNonQualifiedSearch = 0x00000010,
	PPF_RestrictImportTypes = 0x00000020,
	PPF_Copy = 0x00000100,
	PPF_Duplicate = 0x00000200,
	PPF_SimpleObjectText = 0x00000400,
	PPF_IncludeTransient = 0x00004000,
	PPF_PropertyWindow = 0x00010000,
	PPF_ExternalEditor = 0x00100000,
};

/**
 * Host engine: the C++ operations on a property's value type. The engine reaches values through
 * fixed container layouts; the host asks the type itself, so the header tool records one table per
 * value type (see GetPropertyValueOps).
 */
struct FPropertyValueOps
{
	int32 Size;
	int32 Alignment;
	void (*Construct)(void* Dest);
	void (*Destruct)(void* Dest);
	void (*Copy)(void* Dest, const void* Src);
	bool (*Identical)(const void* A, const void* B);
	// Arrays and maps; null for other types.
	int32 (*Num)(const void* Container);
	void (*Resize)(void* Container, int32 NewNum);
	void* (*GetElement)(void* Container, int32 Index);
	void* (*GetValue)(void* Container, int32 Index);
	void (*AddPair)(void* Container, const void* Key, const void* Value);
	void (*Empty)(void* Container);
};

/** A reflected member variable or function parameter. */
class COREUOBJECT_API FProperty : public FField
{
	DECLARE_FIELD(FProperty, FField, 0x2)

public:
	FProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps);

	int32 ArrayDim = 1;
	int32 ElementSize;
	EPropertyFlags PropertyFlags;

	int32 GetOffset_ForInternal() const { return Offset_Internal; }
	int32 GetOffset_ForUFunction() const { return Offset_Internal; }
	int32 GetSize() const { return ArrayDim * ElementSize; }
	int32 GetElementSize() const { return ElementSize; }
	int32 GetMinAlignment() const { return ValueOps->Alignment; }
	const FPropertyValueOps* GetValueOps() const { return ValueOps; }
	bool HasAnyPropertyFlags(EPropertyFlags FlagsToCheck) const { return (PropertyFlags & FlagsToCheck) != 0; }
	bool HasAllPropertyFlags(EPropertyFlags FlagsToCheck) const { return (PropertyFlags & FlagsToCheck) == FlagsToCheck; }

	template <typename ValueType = void>
	ValueType* ContainerPtrToValuePtr(void* ContainerPtr, int32 ArrayIndex = 0) const
	{
		return (ValueType*)((uint8*)ContainerPtr + Offset_Internal + ElementSize * ArrayIndex);
	}

	template <typename ValueType = void>
	const ValueType* ContainerPtrToValuePtr(const void* ContainerPtr, int32 ArrayIndex = 0) const
	{
		return (const ValueType*)((const uint8*)ContainerPtr + Offset_Internal + ElementSize * ArrayIndex);
	}

	void InitializeValue(void* Dest) const;
	void InitializeValue_InContainer(void* Container) const { InitializeValue(ContainerPtrToValuePtr(Container)); }
	void DestroyValue(void* Dest) const;
	void DestroyValue_InContainer(void* Container) const { DestroyValue(ContainerPtrToValuePtr(Container)); }
	void ClearValue(void* Data) const;
	void CopySingleValue(void* Dest, const void* Src) const { ValueOps->Copy(Dest, Src); }
	void CopyCompleteValue(void* Dest, const void* Src) const;
	void CopyCompleteValue_InContainer(void* Dest, const void* Src) const
	{
		CopyCompleteValue(ContainerPtrToValuePtr(Dest), ContainerPtrToValuePtr(Src));
	}
	bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const;
	bool Identical_InContainer(const void* A, const void* B, int32 ArrayIndex = 0, uint32 PortFlags = 0) const
	{
		return Identical(ContainerPtrToValuePtr(A, ArrayIndex), ContainerPtrToValuePtr(B, ArrayIndex), PortFlags);
	}

	/** The C++ type as written in a declaration, e.g. "TArray<FString>". */
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const = 0;
	/** Writes the value in the engine's text form ("a" strings, ("x","y") arrays, (A=1) structs). */
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const = 0;
	/** Reads the text form; returns the position after the value, or null when the text is not valid. */
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const = 0;

	/** Whether a value of this property can hold object references (the garbage collector visits those). */
	virtual bool ContainsObjectReference() const { return false; }
	/** Reports every object reference held by one value. */
	virtual void AddReferencedObjects(void* Value, FReferenceCollector& Collector) const {}
	/** Whether the property is saved and copied by the text export (transient ones are not). */
	bool ShouldPort(uint32 PortFlags = 0) const;

	FProperty* PropertyLinkNext = nullptr;

private:
	int32 Offset_Internal;
	const FPropertyValueOps* ValueOps;
};

class COREUOBJECT_API FBoolProperty : public FProperty
{
	DECLARE_FIELD(FBoolProperty, FProperty, 0x4)
public:
	using FProperty::FProperty;
	bool GetPropertyValue(const void* A) const { return *(const bool*)A; }
	void SetPropertyValue(void* A, bool Value) const { *(bool*)A = Value; }
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override { return TEXT("bool"); }
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
};

/** Integer and floating-point properties; the value kind is fixed by the subclass. */
class COREUOBJECT_API FNumericProperty : public FProperty
{
	DECLARE_FIELD(FNumericProperty, FProperty, 0x8)
public:
	enum class EKind : uint8
	{
		Int8,
		UInt8,
		Int16,
		UInt16,
		Int32,
		UInt32,
		Int64,
		UInt64,
		Float,
		Double
	};

	FNumericProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, EKind InKind);

	bool IsFloatingPoint() const { return Kind == EKind::Float || Kind == EKind::Double; }
	bool IsInteger() const { return !IsFloatingPoint(); }
	int64 GetSignedIntPropertyValue(const void* Data) const;
	double GetFloatingPointPropertyValue(const void* Data) const;
	void SetIntPropertyValue(void* Data, int64 Value) const;
	void SetFloatingPointPropertyValue(void* Data, double Value) const;
	virtual UEnum* GetIntPropertyEnum() const { return nullptr; }

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;

protected:
	EKind Kind;
};

#define UE_HOST_NUMERIC_PROPERTY(TClass, TCastFlag, TKind, TCppType) \
	class COREUOBJECT_API TClass : public FNumericProperty \
	{ \
		DECLARE_FIELD(TClass, FNumericProperty, TCastFlag) \
	public: \
		typedef TCppType TCppType_; \
		TClass(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps) \
			: FNumericProperty(InOwner, InName, InFlags, InOffset, InOps, EKind::TKind) {} \
		TCppType GetPropertyValue(const void* A) const { return *(const TCppType*)A; } \
		void SetPropertyValue(void* A, TCppType Value) const { *(TCppType*)A = Value; } \
	};

UE_HOST_NUMERIC_PROPERTY(FInt8Property, 0x10, Int8, int8)
UE_HOST_NUMERIC_PROPERTY(FInt16Property, 0x20, Int16, int16)
UE_HOST_NUMERIC_PROPERTY(FIntProperty, 0x40, Int32, int32)
UE_HOST_NUMERIC_PROPERTY(FInt64Property, 0x80, Int64, int64)
UE_HOST_NUMERIC_PROPERTY(FUInt16Property, 0x100, UInt16, uint16)
UE_HOST_NUMERIC_PROPERTY(FUInt32Property, 0x200, UInt32, uint32)
UE_HOST_NUMERIC_PROPERTY(FUInt64Property, 0x400, UInt64, uint64)
UE_HOST_NUMERIC_PROPERTY(FFloatProperty, 0x800, Float, float)
UE_HOST_NUMERIC_PROPERTY(FDoubleProperty, 0x1000, Double, double)

/** uint8, optionally an old-style enum (TEnumAsByte). */
class COREUOBJECT_API FByteProperty : public FNumericProperty
{
	DECLARE_FIELD(FByteProperty, FNumericProperty, 0x2000)
public:
	FByteProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UEnum* InEnum = nullptr);
	UEnum* Enum;
	virtual UEnum* GetIntPropertyEnum() const override { return Enum; }
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
};

class COREUOBJECT_API FStrProperty : public FProperty
{
	DECLARE_FIELD(FStrProperty, FProperty, 0x4000)
public:
	using FProperty::FProperty;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override { return TEXT("FString"); }
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
};

class COREUOBJECT_API FNameProperty : public FProperty
{
	DECLARE_FIELD(FNameProperty, FProperty, 0x8000)
public:
	using FProperty::FProperty;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override { return TEXT("FName"); }
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
};

class COREUOBJECT_API FTextProperty : public FProperty
{
	DECLARE_FIELD(FTextProperty, FProperty, 0x10000)
public:
	using FProperty::FProperty;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override { return TEXT("FText"); }
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
};

/** A reference to an object: raw pointer, TObjectPtr, or (subclass) a weak pointer or a class. */
class COREUOBJECT_API FObjectPropertyBase : public FProperty
{
	DECLARE_FIELD(FObjectPropertyBase, FProperty, 0x20000)
public:
	FObjectPropertyBase(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UClass* InPropertyClass);
	UClass* PropertyClass;
	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const;
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
	virtual bool ContainsObjectReference() const override { return true; }
	virtual void AddReferencedObjects(void* Value, FReferenceCollector& Collector) const override;
};

class COREUOBJECT_API FObjectProperty : public FObjectPropertyBase
{
	DECLARE_FIELD(FObjectProperty, FObjectPropertyBase, 0x40000)
public:
	using FObjectPropertyBase::FObjectPropertyBase;
};

class COREUOBJECT_API FClassProperty : public FObjectProperty
{
	DECLARE_FIELD(FClassProperty, FObjectProperty, 0x80000)
public:
	FClassProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UClass* InMetaClass);
	UClass* MetaClass;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
};

/** A TWeakObjectPtr member: not a strong reference for the garbage collector. */
class COREUOBJECT_API FWeakObjectProperty : public FObjectPropertyBase
{
	DECLARE_FIELD(FWeakObjectProperty, FObjectPropertyBase, 0x100000)
public:
	using FObjectPropertyBase::FObjectPropertyBase;
	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const override;
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const override;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual bool ContainsObjectReference() const override { return false; }
	virtual void AddReferencedObjects(void* Value, FReferenceCollector& Collector) const override {}
};

class COREUOBJECT_API FStructProperty : public FProperty
{
	DECLARE_FIELD(FStructProperty, FProperty, 0x200000)
public:
	FStructProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UScriptStruct* InStruct);
	UScriptStruct* Struct;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
	virtual bool ContainsObjectReference() const override;
	virtual void AddReferencedObjects(void* Value, FReferenceCollector& Collector) const override;
};

class COREUOBJECT_API FArrayProperty : public FProperty
{
	DECLARE_FIELD(FArrayProperty, FProperty, 0x400000)
public:
	/** The array owns its element property. */
	FArrayProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, FProperty* InInner);
	virtual ~FArrayProperty() override;
	FProperty* Inner;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
	virtual bool ContainsObjectReference() const override { return Inner->ContainsObjectReference(); }
	virtual void AddReferencedObjects(void* Value, FReferenceCollector& Collector) const override;
};

/** Reads and writes an array value through its property, whatever the element type. */
class FScriptArrayHelper
{
public:
	FScriptArrayHelper(const FArrayProperty* InProperty, const void* InArray)
		: Property(InProperty)
		, Array(const_cast<void*>(InArray))
	{
	}
	int32 Num() const { return Property->GetValueOps()->Num(Array); }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Num(); }
	uint8* GetRawPtr(int32 Index = 0) const { return (uint8*)Property->GetValueOps()->GetElement(Array, Index); }
	void Resize(int32 NewNum) const { Property->GetValueOps()->Resize(Array, NewNum); }
	int32 AddValue() const
	{
		const int32 Index = Num();
		Resize(Index + 1);
		return Index;
	}
	void EmptyValues() const { Resize(0); }

private:
	const FArrayProperty* Property;
	void* Array;
};

class COREUOBJECT_API FMapProperty : public FProperty
{
	DECLARE_FIELD(FMapProperty, FProperty, 0x800000)
public:
	/** The map owns its key and value properties. */
	FMapProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, FProperty* InKeyProp, FProperty* InValueProp);
	virtual ~FMapProperty() override;
	FProperty* KeyProp;
	FProperty* ValueProp;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;
	virtual bool ContainsObjectReference() const override { return KeyProp->ContainsObjectReference() || ValueProp->ContainsObjectReference(); }
	virtual void AddReferencedObjects(void* Value, FReferenceCollector& Collector) const override;
};

/** Reads and writes a map value through its property, whatever the key and value types. */
class FScriptMapHelper
{
public:
	FScriptMapHelper(const FMapProperty* InProperty, const void* InMap)
		: Property(InProperty)
		, Map(const_cast<void*>(InMap))
	{
	}
	int32 Num() const { return Property->GetValueOps()->Num(Map); }
	uint8* GetKeyPtr(int32 Index) const { return (uint8*)Property->GetValueOps()->GetElement(Map, Index); }
	uint8* GetValuePtr(int32 Index) const { return (uint8*)Property->GetValueOps()->GetValue(Map, Index); }
	/** Adds the pair, or replaces the value of an equal key. */
	void AddPair(const void* KeyPtr, const void* ValuePtr) const { Property->GetValueOps()->AddPair(Map, KeyPtr, ValuePtr); }
	void EmptyValues() const { Property->GetValueOps()->Empty(Map); }

private:
	const FMapProperty* Property;
	void* Map;
};

/** An enum class member; the underlying integer is described by UnderlyingProp. */
class COREUOBJECT_API FEnumProperty : public FProperty
{
	DECLARE_FIELD(FEnumProperty, FProperty, 0x1000000)
public:
	FEnumProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UEnum* InEnum);
	virtual ~FEnumProperty() override;
	UEnum* GetEnum() const { return Enum; }
	FNumericProperty* GetUnderlyingProperty() const { return UnderlyingProp; }
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override;

private:
	UEnum* Enum;
	FNumericProperty* UnderlyingProp;
};

/** A dynamic delegate member (single or multicast); bindings are runtime state and are not exported. */
class COREUOBJECT_API FDelegateProperty : public FProperty
{
	DECLARE_FIELD(FDelegateProperty, FProperty, 0x2000000)
public:
	FDelegateProperty(UStruct* InOwner, const FName& InName, EPropertyFlags InFlags, int32 InOffset, const FPropertyValueOps* InOps, UFunction* InSignatureFunction);
	UFunction* SignatureFunction;
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override {}
	virtual const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const override { return nullptr; }
};

class COREUOBJECT_API FMulticastDelegateProperty : public FDelegateProperty
{
	DECLARE_FIELD(FMulticastDelegateProperty, FDelegateProperty, 0x4000000)
public:
	using FDelegateProperty::FDelegateProperty;

	/**
	 * Adds ScriptDelegate to the delegate's list unless it is there already, as a Blueprint's bind
	 * node does. The delegate is the one at PropertyValue, or else this property's in Parent.
	 */
	virtual void AddDelegate(FScriptDelegate ScriptDelegate, UObject* Parent = nullptr, void* PropertyValue = nullptr) const = 0;
};

/** A multicast delegate member stored in its object, as BlueprintAssignable members are. */
class COREUOBJECT_API FMulticastInlineDelegateProperty : public FMulticastDelegateProperty
{
	DECLARE_FIELD(FMulticastInlineDelegateProperty, FMulticastDelegateProperty, 0x8000000)
public:
	using FMulticastDelegateProperty::FMulticastDelegateProperty;

	virtual void AddDelegate(FScriptDelegate ScriptDelegate, UObject* Parent = nullptr, void* PropertyValue = nullptr) const override;
};

namespace EFieldIteratorFlags
{
	enum SuperClassFlags
	{
		ExcludeSuper = 0,
		IncludeSuper
	};
}

/** Iterates the properties (or functions) of a struct, its own first, then those of its supers. */
template <class T>
class TFieldIterator
{
public:
	explicit TFieldIterator(const UStruct* InStruct, EFieldIteratorFlags::SuperClassFlags InSuperClassFlags = EFieldIteratorFlags::IncludeSuper)
		: Struct(InStruct)
		, bIncludeSuper(InSuperClassFlags == EFieldIteratorFlags::IncludeSuper)
	{
		Field = First(Struct);
		Advance();
	}

	explicit operator bool() const { return Field != nullptr; }
	bool operator!() const { return Field == nullptr; }
	T* operator*() const { return (T*)Field; }
	T* operator->() const { return (T*)Field; }
	TFieldIterator& operator++()
	{
		Field = NextOf(Field);
		Advance();
		return *this;
	}

private:
	static constexpr bool bIsProperty = std::is_base_of_v<FField, T>;
	typedef std::conditional_t<bIsProperty, FField, UField> FieldBase;

	static FieldBase* First(const UStruct* InStruct)
	{
		if constexpr (bIsProperty)
		{
			return InStruct ? InStruct->ChildProperties : nullptr;
		}
		else
		{
			return InStruct ? InStruct->Children : nullptr;
		}
	}

	static FieldBase* NextOf(FieldBase* InField) { return InField->Next; }

	void Advance()
	{
		while (true)
		{
			while (Field && !Matches(Field))
			{
				Field = NextOf(Field);
			}
			if (Field || !bIncludeSuper || !Struct)
			{
				return;
			}
			Struct = Struct->GetSuperStruct();
			if (!Struct)
			{
				return;
			}
			Field = First(Struct);
		}
	}

	static bool Matches(FieldBase* InField)
	{
		if constexpr (bIsProperty)
		{
			return InField->IsA(T::StaticClass());
		}
		else
		{
			return InField->IsA(T::StaticClass());
		}
	}

	const UStruct* Struct;
	FieldBase* Field = nullptr;
	bool bIncludeSuper;
};

/** Finds a property by name in a struct, e.g. FindFProperty<FArrayProperty>(Class, TEXT("PinNames")). */
template <typename FieldType>
FieldType* FindFProperty(const UStruct* Owner, FName FieldName)
{
	for (TFieldIterator<FieldType> It(Owner); It; ++It)
	{
		if (It->GetFName() == FieldName)
		{
			return *It;
		}
	}
	return nullptr;
}
