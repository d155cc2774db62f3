#include "Engine/MemberReference.h"

#include "Templates/Casts.h"

void FMemberReference::SetExternalMember(FName InMemberName, TSubclassOf<UObject> InMemberParentClass)
{
	MemberName = InMemberName;
	MemberParent = InMemberParentClass.Get();
	bSelfContext = false;
}

UClass* FMemberReference::GetMemberParentClass() const
{
	return Cast<UClass>(MemberParent.Get());
}
