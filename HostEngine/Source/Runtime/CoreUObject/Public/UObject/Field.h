#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UStruct;
class FField;

/** Type descriptor of a field class (FStrProperty, FArrayProperty, ...), for casts and names. */
class COREUOBJECT_API FFieldClass
{
public:
	FFieldClass(const TCHAR* InCPPName, uint64 InId, uint64 InCastFlags, FFieldClass* InSuperClass);

	FName GetFName() const { return Name; }
	FString GetName() const { return Name.ToString(); }
	uint64 GetId() const { return Id; }
	uint64 GetCastFlags() const { return CastFlags; }
	FFieldClass* GetSuperClass() const { return SuperClass; }
	bool IsChildOf(const FFieldClass* InClass) const { return (CastFlags & InClass->GetId()) != 0; }

private:
	FName Name;
	uint64 Id;
	uint64 CastFlags;
	FFieldClass* SuperClass;
};

#define DECLARE_FIELD(TClass, TSuperClass, TStaticFlags) \
public: \
	typedef TSuperClass Super; \
	typedef TClass ThisClass; \
	static FFieldClass* StaticClass(); \
	static constexpr uint64 StaticClassCastFlagsPrivate() { return uint64(TStaticFlags); } \
	static constexpr uint64 StaticClassCastFlags() { return uint64(TStaticFlags) | Super::StaticClassCastFlags(); } \
	virtual FFieldClass* GetClass() const override { return StaticClass(); }

#define IMPLEMENT_FIELD(TClass) \
	FFieldClass* TClass::StaticClass() \
	{ \
		static FFieldClass Class(TEXT(#TClass), TClass::StaticClassCastFlagsPrivate(), TClass::StaticClassCastFlags(), TClass::Super::StaticClass()); \
		return &Class; \
	}

/** A reflected member of a struct or function: the base of the property classes. */
class COREUOBJECT_API FField
{
public:
	typedef FField Super;
	typedef FField ThisClass;
	static FFieldClass* StaticClass();
	static constexpr uint64 StaticClassCastFlagsPrivate() { return 0x1; }
	static constexpr uint64 StaticClassCastFlags() { return 0x1; }

	FField(UStruct* InOwner, const FName& InName);
	virtual ~FField() = default;
	FField(const FField&) = delete;
	FField& operator=(const FField&) = delete;

	virtual FFieldClass* GetClass() const = 0;
	bool IsA(const FFieldClass* FieldType) const { return GetClass()->IsChildOf(FieldType); }
	template <typename T>
	bool IsA() const
	{
		return IsA(T::StaticClass());
	}

	FName GetFName() const { return NamePrivate; }
	FString GetName() const { return NamePrivate.ToString(); }
	UStruct* GetOwnerStruct() const { return Owner; }
	FString GetAuthoredName() const { return GetName(); }

	bool HasMetaData(const TCHAR* Key) const { return FindMetaData(Key) != nullptr; }
	bool HasMetaData(const FName& Key) const { return FindMetaData(Key) != nullptr; }
	const FString* FindMetaData(const TCHAR* Key) const { return FindMetaData(FName(Key, FNAME_Find)); }
	const FString* FindMetaData(const FName& Key) const { return MetaDataMap.Find(Key); }
	/** The value of a metadata key, or an empty string when the key is absent. */
	const FString& GetMetaData(const TCHAR* Key) const;
	const FString& GetMetaData(const FName& Key) const;
	void SetMetaData(const FName& Key, const FString& Value) { MetaDataMap.Add(Key, Value); }
	const TMap<FName, FString>* GetMetaDataMap() const { return &MetaDataMap; }
	FText GetToolTipText(bool bShortTooltip = false) const;
	/** The DisplayName metadata when the field has it, else the name in display form, a bool's "b" dropped. */
	FText GetDisplayNameText() const;

	FField* Next = nullptr;

protected:
	UStruct* Owner;
	FName NamePrivate;
	TMap<FName, FString> MetaDataMap;
};

template <typename FieldType>
FieldType* CastField(FField* Src)
{
	return Src && Src->IsA(FieldType::StaticClass()) ? static_cast<FieldType*>(Src) : nullptr;
}

template <typename FieldType>
const FieldType* CastField(const FField* Src)
{
	return Src && Src->IsA(FieldType::StaticClass()) ? static_cast<const FieldType*>(Src) : nullptr;
}

template <typename FieldType>
FieldType* CastFieldChecked(FField* Src)
{
	FieldType* Result = CastField<FieldType>(Src);
	check(Result);
	return Result;
}

template <typename FieldType>
const FieldType* CastFieldChecked(const FField* Src)
{
	const FieldType* Result = CastField<FieldType>(Src);
	check(Result);
	return Result;
}
