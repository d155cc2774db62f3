#pragma once

// Host engine: no engine twin. A node that gives a fixed value, so that tests and tools can feed a
// pin of a graph the way a variable or a literal feeds it in a real Blueprint.

#include "CoreMinimal.h"
#include "K2Node.h"
#include "K2Node_HostValueSource.generated.h"

/** Gives one value, or an array of values, of one pin category on its output "Value". */
UCLASS(MinimalAPI)
class UK2Node_HostValueSource : public UK2Node
{
	GENERATED_BODY()

public:
	KISMETCOMPILER_API UK2Node_HostValueSource(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	KISMETCOMPILER_API virtual void AllocateDefaultPins() override;
	KISMETCOMPILER_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	//~ End UK2Node Interface

	/** Gives one value of the category (e.g. "string", "bool"), written as a pin default is written. */
	KISMETCOMPILER_API void SetValue(FName InCategory, const FString& InValue);
	/** Gives an array of the category, one element per text. */
	KISMETCOMPILER_API void SetArrayValue(FName InCategory, const TArray<FString>& InValues);

	KISMETCOMPILER_API UEdGraphPin* GetValuePin() const;
	bool IsArray() const { return bIsArray; }
	/** The value's text, or the texts of the array's elements. */
	const TArray<FString>& GetValues() const { return Values; }

private:
	void ApplyValue();

	UPROPERTY()
	FName ValueCategory;

	UPROPERTY()
	bool bIsArray = false;

	UPROPERTY()
	TArray<FString> Values;
};
