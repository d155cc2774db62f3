#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"
#include "UObject/ScriptDelegates.h"
#include "ReflectionTestTypes.generated.h"

// Reports a finished step
// with its code and text
DECLARE_DYNAMIC_MULTICAST_DELEGATE_TwoParams(FTestStepDelegate, int32, Code, FString, Data);

UENUM(BlueprintType)
enum class ETestMood : uint8
{
	E_Calm UMETA(DisplayName = "Calm"),
	/** Not calm at all */
	E_Angry UMETA(DisplayName = "Angry")
};

USTRUCT()
struct FTestPair
{
	GENERATED_BODY()

	UPROPERTY()
	FString Label;

	UPROPERTY()
	int32 Count = 0;

	UPROPERTY()
	TObjectPtr<UObject> Target;
};

/**
 * An object with one member of each kind that the plug-ins reflect.
 */
UCLASS(MinimalAPI)
class UTestReflected : public UObject
{
	GENERATED_BODY()

public:
	/** Joins two texts with a separator. */
	UFUNCTION(BlueprintPure, Category = "Test|Text", meta = (DisplayName = "Join Two", Keywords = "concat append"))
	static FString JoinTwo(const FString& First, const FString& Second, const FString& Separator);

	/** Splits a text at commas. */
	UFUNCTION(BlueprintCallable, Category = "Test|Text")
	static bool SplitAtCommas(const FString& InText, TArray<FString>& OutParts);

	UFUNCTION(BlueprintPure, Category = "Test|Text")
	static int32 CountEntries(const TMap<FString, FString>& InMap);

	UFUNCTION()
	void HandleStep(int32 Code, FString Data);

	UPROPERTY(BlueprintAssignable)
	FTestStepDelegate OnStep;

	UPROPERTY()
	TArray<FString> Names;

	UPROPERTY()
	TMap<FString, FString> Pairs;

	UPROPERTY()
	TObjectPtr<UObject> Other;

	UPROPERTY()
	TArray<TObjectPtr<UObject>> Children;

	UPROPERTY()
	ETestMood Mood = ETestMood::E_Calm;

	UPROPERTY()
	FTestPair Pair;

	UPROPERTY()
	FText Title;

	UPROPERTY()
	bool bEnabled = false;

	UPROPERTY(Transient)
	int32 Scratch = 0;

	TArray<FString> ReceivedSteps;

protected:
	UPROPERTY()
	TArray<FString> PinNames;

private:
	// 输出数量
	UPROPERTY()
	int32 NumInputs = 1;

public:
	int32 GetNumInputs() const { return NumInputs; }
	void SetNumInputs(int32 Value) { NumInputs = Value; }
	TArray<FString>& GetPinNames() { return PinNames; }
};
