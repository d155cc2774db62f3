// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHttpNodeRun.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "Kismet/BlueprintAsyncActionBase.h"
#include "Templates/Casts.h"
#include "UObject/UnrealType.h"
#include "ZOVAHttpResultRecorder.h"

namespace
{
	/** Calls a static UFUNCTION as a Blueprint does, with its string parameters in order; returns what it returns. */
	UObject* CallFactory(UClass* Class, UFunction* Factory, const TArray<FString>& Arguments)
	{
		TArray<uint8> Parms;
		Parms.SetNumZeroed(Factory->ParmsSize);
		int32 ArgumentIndex = 0;
		for (TFieldIterator<FProperty> It(Factory); It; ++It)
		{
			It->InitializeValue_InContainer(Parms.GetData());
			if (CastField<FStrProperty>(*It) && !It->HasAnyPropertyFlags(CPF_ReturnParm) && Arguments.IsValidIndex(ArgumentIndex))
			{
				*It->ContainerPtrToValuePtr<FString>(Parms.GetData()) = Arguments[ArgumentIndex++];
			}
		}
		Class->GetDefaultObject()->ProcessEvent(Factory, Parms.GetData());
		const FObjectPropertyBase* const Return = CastField<FObjectPropertyBase>(Factory->GetReturnProperty());
		UObject* const Result = Return ? Return->GetObjectPropertyValue(Return->ContainerPtrToValuePtr<void>(Parms.GetData())) : nullptr;
		for (TFieldIterator<FProperty> It(Factory); It; ++It)
		{
			It->DestroyValue_InContainer(Parms.GetData());
		}
		return Result;
	}

	/** Binds the recorder's function to the action's delegate through the delegate's property, as the node's bind step does. */
	bool BindOutput(UObject* Action, FName Output, UObject* Recorder, FName Function)
	{
		const FMulticastDelegateProperty* const Property = CastField<FMulticastDelegateProperty>(Action->GetClass()->FindPropertyByName(Output));
		if (!Property)
		{
			return false;
		}
		FScriptDelegate Delegate;
		Delegate.BindUFunction(Recorder, Function);
		Property->AddDelegate(MoveTemp(Delegate), Action);
		return true;
	}
}

FZOVAHttpNodeRun::FZOVAHttpNodeRun(FAutomationTestBase& Test, FName Factory, const FString& Url, const FString& Body)
	: Name(FString::Printf(TEXT("%s '%s'"), *Factory.ToString(), *Url))
	, Recorder(NewObject<UZOVAHttpResultRecorder>())
{
	Recorder->AddToRoot();
	UClass* const Class = FindRequestClass();
	UFunction* const Function = Class ? Class->FindFunctionByName(Factory) : nullptr;
	if (!Test.TestNotNull(*FString::Printf(TEXT("The factory of %s"), *Name), Function))
	{
		return;
	}
	Action = Cast<UBlueprintAsyncActionBase>(CallFactory(Class, Function, {Url, Body}));
	if (Test.TestTrue(*FString::Printf(TEXT("%s returns an async action"), *Name), Action.IsValid()))
	{
		Test.TestTrue(*FString::Printf(TEXT("%s binds On Success"), *Name), BindOutput(Action.Get(), TEXT("OnSuccess"), Recorder, GET_FUNCTION_NAME_CHECKED(UZOVAHttpResultRecorder, HandleSuccess)));
		Test.TestTrue(*FString::Printf(TEXT("%s binds On Fail"), *Name), BindOutput(Action.Get(), TEXT("OnFail"), Recorder, GET_FUNCTION_NAME_CHECKED(UZOVAHttpResultRecorder, HandleFail)));
	}
}

FZOVAHttpNodeRun::~FZOVAHttpNodeRun()
{
	Recorder->RemoveFromRoot();
}

UBlueprintAsyncActionBase* FZOVAHttpNodeRun::GetAction() const
{
	return Action.Get();
}

void FZOVAHttpNodeRun::Activate() const
{
	if (UBlueprintAsyncActionBase* const Started = Action.Get())
	{
		Started->Activate();
	}
}

const TArray<FZOVAHttpResult>& FZOVAHttpNodeRun::GetResults() const
{
	return Recorder->Results;
}

void FZOVAHttpNodeRun::TestOneResult(FAutomationTestBase& Test, bool bSuccess, int32 Code, const FString& Data) const
{
	if (!Test.TestEqual(*FString::Printf(TEXT("Outputs fired by %s"), *Name), GetResults().Num(), 1))
	{
		return;
	}
	const FZOVAHttpResult& Result = GetResults()[0];
	Test.TestEqual(*FString::Printf(TEXT("%s fired On Success"), *Name), Result.bSuccess, bSuccess);
	Test.TestEqual(*FString::Printf(TEXT("Code from %s"), *Name), Result.Code, Code);
	// Data may hold zeros, where string comparison stops.
	bool bSameData = Result.Data.Len() == Data.Len();
	for (int32 Index = 0; bSameData && Index < Data.Len(); ++Index)
	{
		bSameData = Result.Data[Index] == Data[Index];
	}
	Test.TestTrue(*FString::Printf(TEXT("Data from %s: expected '%s' (%d characters), got '%s' (%d characters)"), *Name, *Data, Data.Len(), *Result.Data, Result.Data.Len()), bSameData);
	Test.TestTrue(*FString::Printf(TEXT("%s reported on the game thread"), *Name), Result.bOnGameThread);
}

UClass* FZOVAHttpNodeRun::FindRequestClass()
{
	return FindObject<UClass>(nullptr, TEXT("/Script/ZOVAHttp.ZOVAHttpRequest"));
}

TSharedRef<FZOVAHttpNodeRun> FZOVAHttpNodeRun::Start(FAutomationTestBase& Test, FName Factory, const FString& Url, const FString& Body)
{
	const TSharedRef<FZOVAHttpNodeRun> Run = MakeShared<FZOVAHttpNodeRun>(Test, Factory, Url, Body);
	Run->Activate();
	return Run;
}

bool FZOVAHttpNodeRun::HaveAllReported(const TArray<TSharedRef<FZOVAHttpNodeRun>>& Runs)
{
	for (const TSharedRef<FZOVAHttpNodeRun>& Run : Runs)
	{
		if (Run->GetResults().IsEmpty())
		{
			return false;
		}
	}
	return true;
}

#endif
