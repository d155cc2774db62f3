#include "UObject/Field.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"

FFieldClass::FFieldClass(const TCHAR* InCPPName, uint64 InId, uint64 InCastFlags, FFieldClass* InSuperClass)
	: Name(InCPPName + 1)
	, Id(InId)
	, CastFlags(InCastFlags)
	, SuperClass(InSuperClass)
{
}

FFieldClass* FField::StaticClass()
{
	static FFieldClass Class(TEXT("FField"), StaticClassCastFlagsPrivate(), StaticClassCastFlags(), nullptr);
	return &Class;
}

FField::FField(UStruct* InOwner, const FName& InName)
	: Owner(InOwner)
	, NamePrivate(InName)
{
}

const FString& FField::GetMetaData(const TCHAR* Key) const
{
	return GetMetaData(FName(Key, FNAME_Find));
}

const FString& FField::GetMetaData(const FName& Key) const
{
	static const FString Empty;
	const FString* Found = FindMetaData(Key);
	return Found ? *Found : Empty;
}

FText FField::GetToolTipText(bool bShortTooltip) const
{
	return FText::FromString(GetMetaData(TEXT("ToolTip")));
}

FText FField::GetDisplayNameText() const
{
	// Metadata that is there, even empty, is taken as it is; a bool property's name loses its "b".
	const FString* DisplayName = FindMetaData(TEXT("DisplayName"));
	return FText::FromString(DisplayName ? *DisplayName : FName::NameToDisplayString(GetName(), IsA<FBoolProperty>()));
}
