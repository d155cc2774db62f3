#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "GraphTestTypes.generated.h"

/** Functions that test graphs call. */
UCLASS()
class UGraphTestLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_BODY()

public:
	/** Joins two words with a space. */
	UFUNCTION(BlueprintPure, Category = "Graph Test", meta = (DisplayName = "Join Words"))
	static FString JoinWords(const FString& First, const FString& Second);

	/** Splits a text at spaces. */
	UFUNCTION(BlueprintPure, Category = "Graph Test")
	static bool SplitWords(const FString& Text, TArray<FString>& OutWords);

	UFUNCTION(BlueprintPure, Category = "Graph Test")
	static int32 CountWords(const TArray<FString>& Words);

	UFUNCTION(BlueprintPure, Category = "Graph Test")
	static int32 CountPairs(const TMap<FString, FString>& Pairs);

	/** Words are created when left unlinked (the list has spaces and an empty entry, as hand-written lists do); pairs and the tag are not. */
	UFUNCTION(BlueprintPure, Category = "Graph Test", meta = (DisplayName = "Count Tagged", AutoCreateRefTerm = " Words ,, "))
	static int32 CountTagged(const TArray<FString>& Words, const TMap<FString, FString>& Pairs, const FName& Tag);

	UFUNCTION(BlueprintPure, Category = "Graph Test")
	static float Scale(float Value, int32 Factor);

	/** Keeps a word; callable, so its node has execution pins. */
	UFUNCTION(BlueprintCallable, Category = "Graph Test")
	static void RecordWord(const FString& Word);

	/** Returns how often it was called; a pure node read twice in one evaluation runs once. */
	UFUNCTION(BlueprintPure, Category = "Graph Test")
	static int32 NextTicket();

	UFUNCTION(BlueprintPure, meta = (BlueprintInternalUseOnly = "true"))
	static FString HiddenFromMenu();

	static int32 Tickets;
};

/** A node whose string pins are named by its saved state; counts the notifications it gets. */
UCLASS()
class UGraphTestNode : public UK2Node
{
	GENERATED_BODY()

public:
	UGraphTestNode(const FObjectInitializer& ObjectInitializer);

	virtual void AllocateDefaultPins() override;
	virtual void PinConnectionListChanged(UEdGraphPin* Pin) override;
	virtual void NodeConnectionListChanged() override;

	UPROPERTY()
	TArray<FString> InputNames;

	UPROPERTY()
	TArray<FString> OutputNames;

	int32 NumPinNotifications = 0;
	int32 NumNodeNotifications = 0;
};

/**
 * Expands into a call of JoinWords(In, Suffix); with Depth above 0 it first expands into another
 * node of its kind with Depth - 1, so the compiler has to expand what expansions spawn.
 */
UCLASS()
class UGraphTestExpandingNode : public UK2Node
{
	GENERATED_BODY()

public:
	UGraphTestExpandingNode(const FObjectInitializer& ObjectInitializer);

	virtual void AllocateDefaultPins() override;
	virtual bool IsNodePure() const override { return true; }
	virtual void ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph) override;
	virtual void GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const override;
	virtual FText GetMenuCategory() const override;

	UPROPERTY()
	int32 Depth = 0;

	UPROPERTY()
	FString Suffix;
};
