#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include "UObject/WeakObjectPtr.h"

class UObject;
class UFunction;

/** A delegate bound to a reflected function by name: the storage of dynamic delegates. */
template <typename TWeakPtr = FWeakObjectPtr>
class TScriptDelegate
{
public:
	TScriptDelegate() = default;

	void BindUFunction(UObject* InObject, const FName& InFunctionName)
	{
		Object = InObject;
		FunctionName = InFunctionName;
	}

	bool IsBound() const { return !FunctionName.IsNone() && Object.Get() != nullptr; }
	bool IsBoundToObject(void const* InUserObject) const { return InUserObject && InUserObject == (void const*)Object.Get(); }
	bool IsCompactable() const { return FunctionName.IsNone() || !Object.Get(); }
	void Unbind()
	{
		Object.Reset();
		FunctionName = NAME_None;
	}
	void Clear() { Unbind(); }
	UObject* GetUObject() const { return Object.Get(); }
	FName GetFunctionName() const { return FunctionName; }

	/** Calls the bound function with a parameter buffer; does nothing when the object is gone. */
	template <class UObjectTemplate>
	void ProcessDelegate(void* Parameters) const
	{
		if (UObjectTemplate* Target = (UObjectTemplate*)Object.Get())
		{
			Target->ProcessEvent(Target->FindFunctionChecked(FunctionName), Parameters);
		}
	}

	bool operator==(const TScriptDelegate& Other) const { return Object == Other.Object && FunctionName == Other.FunctionName; }
	bool operator!=(const TScriptDelegate& Other) const { return !(*this == Other); }

private:
	TWeakPtr Object;
	FName FunctionName;
};

/** A list of delegates bound to reflected functions: the storage of dynamic multicast delegates. */
template <typename TWeakPtr = FWeakObjectPtr>
class TMulticastScriptDelegate
{
public:
	typedef TScriptDelegate<TWeakPtr> ScriptDelegateType;

	bool IsBound() const
	{
		return InvocationList.ContainsByPredicate([](const ScriptDelegateType& Delegate) { return Delegate.IsBound(); });
	}
	bool Contains(const ScriptDelegateType& InDelegate) const { return InvocationList.Contains(InDelegate); }
	bool Contains(const UObject* InObject, FName InFunctionName) const
	{
		return InvocationList.ContainsByPredicate([InObject, InFunctionName](const ScriptDelegateType& Delegate) { return Delegate.GetUObject() == InObject && Delegate.GetFunctionName() == InFunctionName; });
	}
	void Add(const ScriptDelegateType& InDelegate)
	{
		CompactInvocationList();
		InvocationList.Add(InDelegate);
	}
	void AddUnique(const ScriptDelegateType& InDelegate)
	{
		CompactInvocationList();
		InvocationList.AddUnique(InDelegate);
	}
	void Remove(const ScriptDelegateType& InDelegate) { InvocationList.Remove(InDelegate); }
	void Remove(const UObject* InObject, FName InFunctionName)
	{
		InvocationList.RemoveAll([InObject, InFunctionName](const ScriptDelegateType& Delegate) { return Delegate.GetUObject() == InObject && Delegate.GetFunctionName() == InFunctionName; });
	}
	void RemoveAll(const UObject* Object)
	{
		InvocationList.RemoveAll([Object](const ScriptDelegateType& Delegate) { return Delegate.GetUObject() == Object; });
	}
	void Clear() { InvocationList.Empty(); }
	int32 GetAllObjectsCount() const { return InvocationList.Num(); }

	/** Calls every bound function in turn, on a copy of the list so listeners may unbind meanwhile. */
	template <class UObjectTemplate>
	void ProcessMulticastDelegate(void* Parameters) const
	{
		const TArray<ScriptDelegateType> Snapshot = InvocationList;
		for (const ScriptDelegateType& Delegate : Snapshot)
		{
			Delegate.template ProcessDelegate<UObjectTemplate>(Parameters);
		}
	}

private:
	void CompactInvocationList()
	{
		InvocationList.RemoveAll([](const ScriptDelegateType& Delegate) { return Delegate.IsCompactable(); });
	}

	TArray<ScriptDelegateType> InvocationList;
};

typedef TScriptDelegate<> FScriptDelegate;
typedef TMulticastScriptDelegate<> FMulticastScriptDelegate;

/** Base of the classes that DECLARE_DYNAMIC_MULTICAST_DELEGATE_* declares. */
template <typename TWeakPtr, typename RetValType, typename... ParamTypes>
class TBaseDynamicMulticastDelegate : public TMulticastScriptDelegate<TWeakPtr>
{
public:
	typedef TScriptDelegate<TWeakPtr> FScriptDelegateType;

	template <class UserClass>
	void __Internal_AddDynamic(UserClass* InUserObject, RetValType (UserClass::*InMethodPtr)(ParamTypes...), FName InFunctionName)
	{
		check(InUserObject != nullptr && InMethodPtr != nullptr);
		FScriptDelegateType Delegate;
		Delegate.BindUFunction(InUserObject, InFunctionName);
		this->Add(Delegate);
	}

	template <class UserClass>
	void __Internal_AddUniqueDynamic(UserClass* InUserObject, RetValType (UserClass::*InMethodPtr)(ParamTypes...), FName InFunctionName)
	{
		check(InUserObject != nullptr && InMethodPtr != nullptr);
		FScriptDelegateType Delegate;
		Delegate.BindUFunction(InUserObject, InFunctionName);
		this->AddUnique(Delegate);
	}

	template <class UserClass>
	void __Internal_RemoveDynamic(UserClass* InUserObject, RetValType (UserClass::*InMethodPtr)(ParamTypes...), FName InFunctionName)
	{
		this->Remove(InUserObject, InFunctionName);
	}

	template <class UserClass>
	bool __Internal_IsAlreadyBound(UserClass* InUserObject, RetValType (UserClass::*InMethodPtr)(ParamTypes...), FName InFunctionName) const
	{
		return this->Contains(InUserObject, InFunctionName);
	}
};

namespace UE::Delegates::Private
{
	/** "&UMyClass::OnDone" -> "OnDone": the function name that AddDynamic binds. */
	COREUOBJECT_API FName GetTrimmedMemberFunctionName(const TCHAR* InMacroFunctionName);
}

#define STATIC_FUNCTION_FNAME(str) UE::Delegates::Private::GetTrimmedMemberFunctionName(str)
#define AddDynamic(UserObject, FuncName) __Internal_AddDynamic(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))
#define AddUniqueDynamic(UserObject, FuncName) __Internal_AddUniqueDynamic(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))
#define RemoveDynamic(UserObject, FuncName) __Internal_RemoveDynamic(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))
#define IsAlreadyBound(UserObject, FuncName) __Internal_IsAlreadyBound(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))

#define FUNC_CONCAT(...) __VA_ARGS__

/** The class a dynamic multicast declaration produces; ExecFunction is the header tool's wrapper. */
#define FUNC_DECLARE_DYNAMIC_MULTICAST_DELEGATE(TWeakPtr, DynamicMulticastDelegateName, ExecFunction, FuncParamList, FuncParamPassThru, ...) \
	class DynamicMulticastDelegateName : public TBaseDynamicMulticastDelegate<TWeakPtr, __VA_ARGS__> \
	{ \
	public: \
		DynamicMulticastDelegateName() = default; \
		void Broadcast(FuncParamList) const { ExecFunction(FuncParamPassThru); } \
	};

#define UE_HOST_DYNAMIC_MULTICAST(DelegateName, ParamList, PassThru, ...) \
	BODY_MACRO_COMBINE(CURRENT_FILE_ID, _, __LINE__, _DELEGATE) \
	FUNC_DECLARE_DYNAMIC_MULTICAST_DELEGATE(FWeakObjectPtr, DelegateName, DelegateName##_DelegateWrapper, FUNC_CONCAT(ParamList), FUNC_CONCAT(PassThru), void __VA_OPT__(,) __VA_ARGS__)

#define DECLARE_DYNAMIC_MULTICAST_DELEGATE(DelegateName) \
	UE_HOST_DYNAMIC_MULTICAST(DelegateName, , *this)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_OneParam(DelegateName, Param1Type, Param1Name) \
	UE_HOST_DYNAMIC_MULTICAST(DelegateName, FUNC_CONCAT(Param1Type InParam1), FUNC_CONCAT(*this, InParam1), Param1Type)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_TwoParams(DelegateName, Param1Type, Param1Name, Param2Type, Param2Name) \
	UE_HOST_DYNAMIC_MULTICAST(DelegateName, FUNC_CONCAT(Param1Type InParam1, Param2Type InParam2), FUNC_CONCAT(*this, InParam1, InParam2), Param1Type, Param2Type)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_ThreeParams(DelegateName, Param1Type, Param1Name, Param2Type, Param2Name, Param3Type, Param3Name) \
	UE_HOST_DYNAMIC_MULTICAST(DelegateName, FUNC_CONCAT(Param1Type InParam1, Param2Type InParam2, Param3Type InParam3), FUNC_CONCAT(*this, InParam1, InParam2, InParam3), Param1Type, Param2Type, Param3Type)
