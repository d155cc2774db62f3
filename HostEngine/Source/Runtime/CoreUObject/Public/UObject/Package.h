#pragma once

#include "UObject/Object.h"

/** The outermost object of a group: "/Script/<Module>" for reflected types, "/Engine/Transient" for temporaries. */
class COREUOBJECT_API UPackage : public UObject
{
	DECLARE_CLASS(UPackage, UObject, CLASS_Native | CLASS_Intrinsic, CASTCLASS_UPackage, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UPackage)
	static void StaticRegisterNativesUPackage() {}

public:
	using UObject::UObject;

	EPackageFlags GetPackageFlags() const { return PackageFlags; }
	void SetPackageFlags(EPackageFlags NewFlags) { PackageFlags |= NewFlags; }
	void ClearPackageFlags(EPackageFlags NewFlags) { PackageFlags &= ~NewFlags; }
	bool HasAnyPackageFlags(EPackageFlags FlagsToCheck) const { return (PackageFlags & FlagsToCheck) != 0; }
	bool IsDirty() const { return bDirty; }
	void SetDirtyFlag(bool bIsDirty) { bDirty = bIsDirty; }

private:
	EPackageFlags PackageFlags = PKG_None;
	bool bDirty = false;
};
