// Host engine: the reflected structs and enums of Core types. The engine declares them for its header
// tool in UObject/NoExportTypes.h; the host builds each here: a struct with the text form, comparison
// and copy of the C++ type, an enum with its enumerators as the header tool would list them.

#include "UObject/NoExportTypes.h"
#include "UObject/Class.h"
#include "UObject/GeneratedCppIncludes.h"
#include "UObject/Package.h"

namespace
{
	/** FGuid as a property writes it: 32 upper-case hex digits, and reads back nothing else. */
	class FGuidStructOps final : public UScriptStruct::ICppStructOps
	{
	public:
		FGuidStructOps()
			: ICppStructOps(sizeof(FGuid), alignof(FGuid))
		{
		}

		virtual void Construct(void* Dest) override { new (Dest) FGuid(); }
		virtual void Destruct(void* Dest) override {}
		virtual bool Copy(void* Dest, const void* Src, int32 ArrayDim) override
		{
			for (int32 Index = 0; Index < ArrayDim; ++Index)
			{
				static_cast<FGuid*>(Dest)[Index] = static_cast<const FGuid*>(Src)[Index];
			}
			return true;
		}
		virtual bool HasIdentical() override { return true; }
		virtual bool Identical(const void* A, const void* B, uint32 PortFlags, bool& bOutResult) override
		{
			bOutResult = *static_cast<const FGuid*>(A) == *static_cast<const FGuid*>(B);
			return true;
		}
		virtual bool HasExportTextItem() override { return true; }
		virtual bool ExportTextItem(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) override
		{
			ValueStr += static_cast<const FGuid*>(PropertyValue)->ToString();
			return true;
		}
		virtual bool HasImportTextItem() override { return true; }
		virtual bool ImportTextItem(const TCHAR*& Buffer, void* Data, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText) override
		{
			constexpr int32 NumDigits = 32;
			for (int32 Index = 0; Index < NumDigits; ++Index)
			{
				if (!FChar::IsHexDigit(Buffer[Index]))
				{
					return false;
				}
			}
			if (!FGuid::Parse(FString::ConstructFromPtrSize(Buffer, NumDigits), *static_cast<FGuid*>(Data)))
			{
				return false;
			}
			Buffer += NumDigits;
			return true;
		}
	};
}

namespace
{
	UObject* CoreUObjectPackage()
	{
		return CreatePackage(TEXT("/Script/CoreUObject"));
	}

	/** A namespaced enum of two enumerators, with the comment the engine's header gives it. */
	UEnum* ConstructNamespacedEnum(const char* Name, const char* CppType, const UECodeGen_Private::FEnumeratorParam (&Enumerators)[2], const char* ToolTip)
	{
		UEnum* Enum = nullptr;
		const UECodeGen_Private::FMetaDataPairParam MetaData[] = {{"ToolTip", ToolTip}};
		const UECodeGen_Private::FEnumParams Params = {
			.OuterFunc = &CoreUObjectPackage,
			.NameUTF8 = Name,
			.CppTypeUTF8 = CppType,
			.Enumerators = Enumerators,
			.NumEnumerators = 2,
			.CppForm = UEnum::ECppForm::Namespaced,
			.MetaData = MetaData,
			.NumMetaData = 1,
		};
		UECodeGen_Private::ConstructUEnum(Enum, Params);
		return Enum;
	}
}

template <>
UEnum* StaticEnum<ESearchCase::Type>()
{
	static const UECodeGen_Private::FEnumeratorParam Enumerators[] = {
		{"ESearchCase::CaseSensitive", (int64)ESearchCase::CaseSensitive},
		{"ESearchCase::IgnoreCase", (int64)ESearchCase::IgnoreCase},
	};
	static UEnum* const Enum = ConstructNamespacedEnum("ESearchCase", "ESearchCase::Type", Enumerators, "String search case used in UnrealString.h");
	return Enum;
}

template <>
UEnum* StaticEnum<ESearchDir::Type>()
{
	static const UECodeGen_Private::FEnumeratorParam Enumerators[] = {
		{"ESearchDir::FromStart", (int64)ESearchDir::FromStart},
		{"ESearchDir::FromEnd", (int64)ESearchDir::FromEnd},
	};
	static UEnum* const Enum = ConstructNamespacedEnum("ESearchDir", "ESearchDir::Type", Enumerators, "String search dir used in UnrealString.h");
	return Enum;
}

UScriptStruct* TBaseStructure<FGuid>::Get()
{
	static UScriptStruct* Struct = nullptr;
	if (!Struct)
	{
		static FGuidStructOps Ops;
		Struct = NewObject<UScriptStruct>(CreatePackage(TEXT("/Script/CoreUObject")), UScriptStruct::StaticClass(), FName(TEXT("Guid")), RF_Public | RF_MarkAsNative);
		Struct->AddToRoot();
		Struct->SetCppStructOps(&Ops);
		Struct->SetPropertiesSize(sizeof(FGuid));
		Struct->StaticLink();
	}
	return Struct;
}
