#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Field.h"
#include "UObject/ObjectPtr.h"
#include "UObject/Script.h"

class FProperty;
class FReferenceCollector;
class UFunction;

/** A reflected type or function that lives in the object system, with its metadata. */
class COREUOBJECT_API UField : public UObject
{
	DECLARE_CLASS(UField, UObject, CLASS_Abstract | CLASS_Native | CLASS_Intrinsic, CASTCLASS_UField, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UField)
	static void StaticRegisterNativesUField() {}

public:
	using UObject::UObject;

	UField* Next = nullptr;

	bool HasMetaData(const TCHAR* Key) const { return FindMetaData(Key) != nullptr; }
	bool HasMetaData(const FName& Key) const { return FindMetaData(Key) != nullptr; }
	const FString* FindMetaData(const TCHAR* Key) const { return FindMetaData(FName(Key, FNAME_Find)); }
	const FString* FindMetaData(const FName& Key) const { return MetaDataMap.Find(Key); }
	/** The value of a metadata key, or an empty string when the key is absent. */
	const FString& GetMetaData(const TCHAR* Key) const;
	const FString& GetMetaData(const FName& Key) const;
	void SetMetaData(const FName& Key, const FString& Value) { MetaDataMap.Add(Key, Value); }
	void RemoveMetaData(const FName& Key) { MetaDataMap.Remove(Key); }
	const TMap<FName, FString>& GetMetaDataMap() const { return MetaDataMap; }
	/** The ToolTip metadata; without it, the display name. The short form is not modelled. */
	FText GetToolTipText(bool bShortTooltip = false) const;
	/** The DisplayName metadata; without it, the name in its display form (FName::NameToDisplayString). */
	FText GetDisplayNameText() const;

private:
	TMap<FName, FString> MetaDataMap;
};

/** A type with reflected properties: the base of classes, script structs and functions. */
class COREUOBJECT_API UStruct : public UField
{
	DECLARE_CLASS(UStruct, UField, CLASS_Native | CLASS_Intrinsic, CASTCLASS_UStruct, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UStruct)
	static void StaticRegisterNativesUStruct() {}

public:
	using UField::UField;
	virtual ~UStruct() override;

	UStruct* GetSuperStruct() const { return SuperStruct; }
	void SetSuperStruct(UStruct* NewSuperStruct) { SuperStruct = NewSuperStruct; }
	bool IsChildOf(const UStruct* SomeBase) const;
	template <class T>
	bool IsChildOf() const
	{
		return IsChildOf(T::StaticClass());
	}

	int32 GetPropertiesSize() const { return PropertiesSize; }
	int32 GetMinAlignment() const { return MinAlignment; }
	void SetPropertiesSize(int32 Size) { PropertiesSize = Size; }
	/** Finds a property of this struct or of its super structs by name (case-insensitive). */
	FProperty* FindPropertyByName(FName InName) const;
	/** Appends a property at the end of this struct's own property list; the struct owns it. */
	void AddCppProperty(FProperty* Property);
	/** Finishes the layout once every property is added (parameter counts and offsets of functions). */
	virtual void StaticLink(bool bRelinkExistingProperties = false) {}

	/** Properties declared by this struct only, in declaration order. */
	FField* ChildProperties = nullptr;
	/** Functions (for classes), in declaration order. */
	UField* Children = nullptr;
	/**
	 * Objects the struct's script refers to; they live as long as the struct. The host's Blueprint
	 * functions have no bytecode: their script is the compiled graph that the graph evaluator runs,
	 * kept here.
	 */
	TArray<TObjectPtr<UObject>> ScriptAndPropertyObjectReferences;

protected:
	UStruct* SuperStruct = nullptr;
	int32 PropertiesSize = 0;
	int32 MinAlignment = 1;
};

/** A reflected C++ struct (USTRUCT). */
class COREUOBJECT_API UScriptStruct : public UStruct
{
	DECLARE_CLASS(UScriptStruct, UStruct, CLASS_Native | CLASS_Intrinsic, CASTCLASS_UScriptStruct, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UScriptStruct)
	static void StaticRegisterNativesUScriptStruct() {}

public:
	using UStruct::UStruct;

	/** What the object system needs to know to construct, copy and destroy the C++ struct. */
	struct ICppStructOps
	{
		ICppStructOps(int32 InSize, int32 InAlignment) : Size(InSize), Alignment(InAlignment) {}
		virtual ~ICppStructOps() = default;
		virtual void Construct(void* Dest) = 0;
		virtual void Destruct(void* Dest) = 0;
		virtual bool Copy(void* Dest, const void* Src, int32 ArrayDim) = 0;
		/** Whether the struct compares itself; its members are compared otherwise. */
		virtual bool HasIdentical() { return false; }
		virtual bool Identical(const void* A, const void* B, uint32 PortFlags, bool& bOutResult) { return false; }
		/** Whether the struct writes its own text form (FGuid: 32 hex digits); its members are written otherwise. */
		virtual bool HasExportTextItem() { return false; }
		virtual bool ExportTextItem(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) { return false; }
		/** Whether the struct reads its own text form; on success Buffer is moved past what was read. */
		virtual bool HasImportTextItem() { return false; }
		virtual bool ImportTextItem(const TCHAR*& Buffer, void* Data, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText) { return false; }
		int32 GetSize() const { return Size; }
		int32 GetAlignment() const { return Alignment; }

	private:
		int32 Size;
		int32 Alignment;
	};

	template <class CPPSTRUCT>
	struct TCppStructOps final : public ICppStructOps
	{
		TCppStructOps() : ICppStructOps(sizeof(CPPSTRUCT), alignof(CPPSTRUCT)) {}
		virtual void Construct(void* Dest) override { new (Dest) CPPSTRUCT(); }
		virtual void Destruct(void* Dest) override { static_cast<CPPSTRUCT*>(Dest)->~CPPSTRUCT(); }
		virtual bool Copy(void* Dest, const void* Src, int32 ArrayDim) override
		{
			for (int32 Index = 0; Index < ArrayDim; ++Index)
			{
				static_cast<CPPSTRUCT*>(Dest)[Index] = static_cast<const CPPSTRUCT*>(Src)[Index];
			}
			return true;
		}
	};

	ICppStructOps* GetCppStructOps() const { return CppStructOps; }
	void SetCppStructOps(ICppStructOps* InOps) { CppStructOps = InOps; }
	FString GetStructCPPName() const { return TEXT("F") + GetName(); }
	void InitializeStruct(void* Dest, int32 ArrayDim = 1) const;
	void DestroyStruct(void* Dest, int32 ArrayDim = 1) const;
	void CopyScriptStruct(void* Dest, const void* Src, int32 ArrayDim = 1) const;
	bool CompareScriptStruct(const void* A, const void* B, uint32 PortFlags) const;

private:
	ICppStructOps* CppStructOps = nullptr;
};

/** A reflected function: parameters are its properties, in order. */
class COREUOBJECT_API UFunction : public UStruct
{
	DECLARE_CLASS(UFunction, UStruct, CLASS_Native | CLASS_Intrinsic, CASTCLASS_UFunction, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UFunction)
	static void StaticRegisterNativesUFunction() {}

public:
	using UStruct::UStruct;

	EFunctionFlags FunctionFlags = FUNC_None;
	uint8 NumParms = 0;
	uint16 ParmsSize = 0;
	uint16 ReturnValueOffset = MAX_uint16;

	bool HasAnyFunctionFlags(EFunctionFlags FlagsToCheck) const { return (FunctionFlags & FlagsToCheck) != 0; }
	bool HasAllFunctionFlags(EFunctionFlags FlagsToCheck) const { return (FunctionFlags & FlagsToCheck) == FlagsToCheck; }
	FProperty* GetReturnProperty() const;
	FNativeFuncPtr GetNativeFunc() const { return Func; }
	void SetNativeFunc(FNativeFuncPtr InFunc) { Func = InFunc; }
	UClass* GetOuterUClass() const;
	UFunction* GetSuperFunction() const { return static_cast<UFunction*>(GetSuperStruct()); }
	void Invoke(UObject* Obj, FFrame& Stack, RESULT_DECL);

	virtual void StaticLink(bool bRelinkExistingProperties = false) override;

private:
	FNativeFuncPtr Func = nullptr;
};

/** The signature function of a delegate type. */
class COREUOBJECT_API UDelegateFunction : public UFunction
{
	DECLARE_CLASS(UDelegateFunction, UFunction, CLASS_Native | CLASS_Intrinsic, CASTCLASS_UDelegateFunction, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UDelegateFunction)
	static void StaticRegisterNativesUDelegateFunction() {}

public:
	using UFunction::UFunction;
};

/** A reflected enumeration. */
class COREUOBJECT_API UEnum : public UField
{
	DECLARE_CLASS(UEnum, UField, CLASS_Native | CLASS_Intrinsic, CASTCLASS_UEnum, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UEnum)
	static void StaticRegisterNativesUEnum() {}

public:
	using UField::UField;

	enum class ECppForm : uint8
	{
		Regular,
		Namespaced,
		EnumClass
	};

	void SetEnums(TArray<TPair<FName, int64>>& InNames, ECppForm InCppForm);
	ECppForm GetCppForm() const { return CppForm; }
	FString CppType;

	/** Number of enumerators, including the _MAX entry that the engine adds. */
	int32 NumEnums() const { return Names.Num(); }
	FName GetNameByIndex(int32 Index) const;
	FString GetNameStringByIndex(int32 Index) const;
	FString GetAuthoredNameStringByIndex(int32 Index) const { return GetNameStringByIndex(Index); }
	int64 GetValueByIndex(int32 Index) const;
	int32 GetIndexByName(const FName InName) const;
	int32 GetIndexByValue(int64 InValue) const;
	int64 GetValueByName(FName InName) const;
	FString GetNameStringByValue(int64 InValue) const;
	int64 GetMaxEnumValue() const;
	/** The entry's DisplayName metadata, else its name (without the enum's scope) in display form. */
	FText GetDisplayNameTextByIndex(int32 NameIndex) const;
	FText GetDisplayNameTextByValue(int64 Value) const { return GetDisplayNameTextByIndex(GetIndexByValue(Value)); }
	FText GetToolTipTextByIndex(int32 NameIndex) const;

	/** Enumerator metadata lives under "<ShortName>.<Key>"; NameIndex INDEX_NONE reads the enum's own. */
	FString GetMetaData(const TCHAR* Key, int32 NameIndex = INDEX_NONE, bool bAllowRemap = true) const;
	bool HasMetaData(const TCHAR* Key, int32 NameIndex = INDEX_NONE) const;
	using UField::SetMetaData;

private:
	TArray<TPair<FName, int64>> Names;
	ECppForm CppForm = ECppForm::Regular;
};

typedef void (*ClassConstructorType)(const FObjectInitializer&);
typedef void (*ClassAddReferencedObjectsType)(UObject*, FReferenceCollector&);
typedef UClass* (*StaticClassFunctionType)();

/** A reflected object class. */
class COREUOBJECT_API UClass : public UStruct
{
	DECLARE_CLASS(UClass, UStruct, CLASS_Native | CLASS_Intrinsic, CASTCLASS_UClass, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UClass)
	static void StaticRegisterNativesUClass() {}

public:
	using UStruct::UStruct;

	ClassConstructorType ClassConstructor = nullptr;
	ClassAddReferencedObjectsType ClassAddReferencedObjects = nullptr;
	EClassFlags ClassFlags = CLASS_None;
	EClassCastFlags ClassCastFlags = CASTCLASS_None;
	UClass* ClassWithin = nullptr;
	FName ClassConfigName;
	/** The Blueprint this class was compiled from; null for native classes. */
	TObjectPtr<UObject> ClassGeneratedBy;

	UClass* GetSuperClass() const { return static_cast<UClass*>(GetSuperStruct()); }
	bool HasAnyClassFlags(EClassFlags FlagsToCheck) const { return (ClassFlags & FlagsToCheck) != 0; }
	bool HasAllClassFlags(EClassFlags FlagsToCheck) const { return (ClassFlags & FlagsToCheck) == FlagsToCheck; }
	bool HasAnyCastFlag(EClassCastFlags FlagToCheck) const { return (ClassCastFlags & FlagToCheck) != 0; }

	/** The class default object, created on first use. */
	UObject* GetDefaultObject(bool bCreateIfNeeded = true) const;
	template <class T>
	T* GetDefaultObject() const
	{
		return (T*)GetDefaultObject();
	}
	FName GetDefaultObjectName() const;

	/** Looks a reflected function up by name, in this class and (by default) its super classes. */
	UFunction* FindFunctionByName(FName InName, EIncludeSuperFlag::Type IncludeSuper = EIncludeSuperFlag::IncludeSuper) const;
	void AddFunctionToFunctionMap(UFunction* Function, FName FuncName);
	/** Takes the function out of the class's function map and its list of functions. */
	void RemoveFunctionFromFunctionMap(UFunction* Function);
	void AddNativeFunction(const ANSICHAR* InName, FNativeFuncPtr InPointer);
	const TMap<FName, UFunction*>& GetFunctionMap() const { return FuncMap; }

	/** Calls the C++ constructor of this class on the object that the initializer carries. */
	void CallClassConstructor(const FObjectInitializer& ObjectInitializer) const;

private:
	friend class FObjectInitializer;
	mutable UObject* ClassDefaultObject = nullptr;
	TMap<FName, UFunction*> FuncMap;
	TMap<FName, FNativeFuncPtr> NativeFunctionLookupTable;
};

/** Builds the shell of an intrinsic or generated class object; used by IMPLEMENT_CLASS. */
COREUOBJECT_API void GetPrivateStaticClassBody(
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
	StaticClassFunctionType InWithinClassFn);

/** Defines GetPrivateStaticClass for a class; Z_Construct_UClass_<Class> then fills in its reflection. */
#define IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(TClass) \
	UClass* TClass::GetPrivateStaticClass() \
	{ \
		static UClass* PrivateStaticClass = nullptr; \
		if (!PrivateStaticClass) \
		{ \
			GetPrivateStaticClassBody(StaticPackage(), &TEXT(#TClass)[1], PrivateStaticClass, StaticRegisterNatives##TClass, sizeof(TClass), alignof(TClass), TClass::StaticClassFlags, TClass::StaticClassCastFlags(), nullptr, &TClass::__DefaultConstructor, &TClass::AddReferencedObjects, &TClass::Super::StaticClass, &TClass::WithinClass::StaticClass); \
		} \
		return PrivateStaticClass; \
	}

template <typename ClassType>
UClass* StaticClass()
{
	return ClassType::StaticClass();
}

/** The reflected struct of a Core type, which cannot declare one itself (the engine's noexport structs). */
template <class T>
struct TBaseStructure;

template <>
struct TBaseStructure<FGuid>
{
	static COREUOBJECT_API UScriptStruct* Get();
};
