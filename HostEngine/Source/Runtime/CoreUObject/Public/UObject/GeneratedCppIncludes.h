#pragma once

// Everything the header tool's generated code needs, and the tables it fills in. The engine builds
// its reflection from similar parameter tables; these are the host's, written for this header tool.

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/ScriptDelegates.h"
#include "UObject/ReflectedTypeAccessors.h"
#include "UObject/NoExportTypes.h"
#include "UObject/PropertyValueOps.h"

#include <cstddef>

namespace UECodeGen_Private
{
	struct FMetaDataPairParam
	{
		const char* NameUTF8;
		const char* ValueUTF8;
	};

	enum class EPropertyGenFlags : uint8
	{
		Bool,
		Int8,
		Int16,
		Int,
		Int64,
		UInt16,
		UInt32,
		UInt64,
		Float,
		Double,
		Byte,
		Str,
		Name,
		Text,
		Object,
		Class,
		WeakObject,
		Struct,
		Array,
		Map,
		Enum,
		Delegate,
		MulticastInlineDelegate,
	};

	/** One property; Inner is the element of an array or the key of a map, ValueInner a map's value. */
	struct FPropertyParams
	{
		const char* NameUTF8;
		EPropertyGenFlags Flags;
		EPropertyFlags PropertyFlags;
		int32 Offset;
		const FPropertyValueOps* (*ValueOpsFunc)();
		UClass* (*ClassFunc)() = nullptr;
		UClass* (*MetaClassFunc)() = nullptr;
		UScriptStruct* (*StructFunc)() = nullptr;
		UEnum* (*EnumFunc)() = nullptr;
		UFunction* (*SignatureFunc)() = nullptr;
		const FPropertyParams* Inner = nullptr;
		const FPropertyParams* ValueInner = nullptr;
		const FMetaDataPairParam* MetaData = nullptr;
		int32 NumMetaData = 0;
	};

	struct FFunctionParams
	{
		UObject* (*OuterFunc)();
		const char* NameUTF8;
		const FPropertyParams* const* PropertyArray;
		int32 NumProperties;
		uint16 ParmsSize;
		EFunctionFlags FunctionFlags;
		const FMetaDataPairParam* MetaData = nullptr;
		int32 NumMetaData = 0;
	};

	struct FClassFunctionLinkInfo
	{
		UFunction* (*CreateFuncPtr)();
		const char* FuncNameUTF8;
	};

	struct FClassParams
	{
		const FClassFunctionLinkInfo* FunctionLinkArray;
		int32 NumFunctions;
		const FPropertyParams* const* PropertyArray;
		int32 NumProperties;
		EClassFlags ClassFlags;
		const FMetaDataPairParam* MetaData = nullptr;
		int32 NumMetaData = 0;
	};

	struct FStructParams
	{
		UObject* (*OuterFunc)();
		UScriptStruct* (*SuperFunc)();
		UScriptStruct::ICppStructOps* (*StructOpsFunc)();
		const char* NameUTF8;
		const FPropertyParams* const* PropertyArray;
		int32 NumProperties;
		uint16 SizeOf;
		uint16 AlignOf;
		const FMetaDataPairParam* MetaData = nullptr;
		int32 NumMetaData = 0;
	};

	struct FEnumeratorParam
	{
		const char* NameUTF8;
		int64 Value;
	};

	struct FEnumParams
	{
		UObject* (*OuterFunc)();
		const char* NameUTF8;
		const char* CppTypeUTF8;
		const FEnumeratorParam* Enumerators;
		int32 NumEnumerators;
		UEnum::ECppForm CppForm;
		const FMetaDataPairParam* MetaData = nullptr;
		int32 NumMetaData = 0;
	};

	struct FPackageParams
	{
		const char* NameUTF8;
		EPackageFlags PackageFlags;
	};

	COREUOBJECT_API void ConstructUPackage(UPackage*& OutPackage, const FPackageParams& Params);
	/** Creates a function (or a delegate signature when FunctionFlags has FUNC_Delegate) with its parameters. */
	COREUOBJECT_API void ConstructUFunction(UFunction*& OutFunction, const FFunctionParams& Params);
	/** Fills the reflection of a class whose shell GetPrivateStaticClassBody made. */
	COREUOBJECT_API void ConstructUClass(UClass* Class, const FClassParams& Params);
	COREUOBJECT_API void ConstructUScriptStruct(UScriptStruct*& OutStruct, const FStructParams& Params);
	COREUOBJECT_API void ConstructUEnum(UEnum*& OutEnum, const FEnumParams& Params);

	/** Queues a library's reflected types for ProcessNewlyLoadedUObjects (static initialization). */
	struct COREUOBJECT_API FRegisterCompiledInInfo
	{
		FRegisterCompiledInInfo(const TCHAR* PackageName, UClass* (*const* Classes)(), int32 NumClasses, UScriptStruct* (*const* Structs)(), int32 NumStructs, UEnum* (*const* Enums)(), int32 NumEnums, UFunction* (*const* Delegates)(), int32 NumDelegates);
	};
}

#define PRAGMA_HOST_GENERATED_CODE_START \
	_Pragma("GCC diagnostic push") \
	_Pragma("GCC diagnostic ignored \"-Winvalid-offsetof\"")
#define PRAGMA_HOST_GENERATED_CODE_END _Pragma("GCC diagnostic pop")
