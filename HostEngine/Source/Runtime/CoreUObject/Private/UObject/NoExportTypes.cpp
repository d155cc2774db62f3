// Host engine: the reflected structs of Core types. The engine declares them for its header tool in
// UObject/NoExportTypes.h; the host has no such header and builds each struct here, with the text
// form, comparison and copy of the C++ type.

#include "CoreMinimal.h"
#include "UObject/Class.h"
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
