// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "UObject/WeakObjectPtrTemplates.h"

#if WITH_DEV_AUTOMATION_TESTS

class UBlueprintAsyncActionBase;
class UClass;
class UZOVAHttpResultRecorder;
struct FZOVAHttpResult;

/**
 * One run of a request node as a compiled Blueprint makes it: the node's factory called through
 * reflection, each output delegate bound through its property to a recorder, then Activate. The
 * plug-in's request class is private to its module, so only its reflected face is used.
 */
class FZOVAHttpNodeRun
{
public:
	/**
	 * Calls the factory: HttpGetRequest with Url, HttpPostRequest or HttpPostFormRequest with Url and
	 * Body. Reports to Test when the class or the factory is missing.
	 */
	FZOVAHttpNodeRun(FAutomationTestBase& Test, FName Factory, const FString& Url, const FString& Body = FString());
	~FZOVAHttpNodeRun();
	FZOVAHttpNodeRun(const FZOVAHttpNodeRun&) = delete;
	FZOVAHttpNodeRun& operator=(const FZOVAHttpNodeRun&) = delete;

	/** The action the factory returned; null once it has been collected. */
	UBlueprintAsyncActionBase* GetAction() const;

	void Activate() const;

	const TArray<FZOVAHttpResult>& GetResults() const;

	/** A name for reports: the factory and the URL. */
	const FString& GetName() const { return Name; }

	/**
	 * Checks that exactly one output fired, on the game thread, with these values (Data compared
	 * character by character, zeros included).
	 */
	void TestOneResult(FAutomationTestBase& Test, bool bSuccess, int32 Code, const FString& Data) const;

	/** The class the request nodes spawn; null when its module is not loaded. */
	static UClass* FindRequestClass();

	/** A run activated at once, as the node activates the action as soon as its outputs are bound. */
	static TSharedRef<FZOVAHttpNodeRun> Start(FAutomationTestBase& Test, FName Factory, const FString& Url, const FString& Body = FString());

	static bool HaveAllReported(const TArray<TSharedRef<FZOVAHttpNodeRun>>& Runs);

private:
	FString Name;
	TWeakObjectPtr<UBlueprintAsyncActionBase> Action;
	UZOVAHttpResultRecorder* Recorder = nullptr;
};

#endif
