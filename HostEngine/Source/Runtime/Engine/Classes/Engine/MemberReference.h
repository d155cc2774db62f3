#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/ObjectPtr.h"
#include "Templates/SubclassOf.h"
#include "MemberReference.generated.h"

/**
 * Names a member (a function) of a class, to be looked up when it is needed; saved with the node
 * that holds it.
 */
USTRUCT()
struct FMemberReference
{
	GENERATED_BODY()

	/** Points the reference at a member of another class than the Blueprint's own. */
	ENGINE_API void SetExternalMember(FName InMemberName, TSubclassOf<UObject> InMemberParentClass);

	FName GetMemberName() const { return MemberName; }
	ENGINE_API UClass* GetMemberParentClass() const;
	bool IsSelfContext() const { return bSelfContext; }

	/** The member, looked up by name in its class (and the class's super classes); null if absent. */
	template <class TFieldType>
	TFieldType* ResolveMember(UClass* SelfScope = nullptr) const
	{
		static_assert(std::is_same_v<TFieldType, UFunction>, "the host resolves functions only");
		UClass* const Scope = bSelfContext ? SelfScope : GetMemberParentClass();
		return Scope ? Scope->FindFunctionByName(MemberName) : nullptr;
	}

private:
	UPROPERTY()
	TObjectPtr<UObject> MemberParent;

	UPROPERTY()
	FName MemberName;

	UPROPERTY()
	bool bSelfContext = false;
};
