#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"
#include "Templates/SubclassOf.h"
#include "Blueprint.generated.h"

class UEdGraph;

/** Where a Blueprint stands with its compiler. */
enum EBlueprintStatus
{
	/** Not compiled yet. */
	BS_Unknown,
	/** Edited since the last compile. */
	BS_Dirty,
	/** The last compile failed. */
	BS_Error,
	BS_UpToDate,
	/** Being made; edits do not mark it. */
	BS_BeingCreated,
	BS_UpToDateWithWarnings,
	BS_MAX,
};

/** What a Blueprint is: a class, a const class, or one of the libraries and interfaces. */
enum EBlueprintType : int
{
	BPTYPE_Normal,
	BPTYPE_Const,
	BPTYPE_MacroLibrary,
	BPTYPE_Interface,
	BPTYPE_LevelScript,
	BPTYPE_FunctionLibrary,
	BPTYPE_MAX,
};

/** Options of one compile. The host compiler has none yet; the compiler's constructor takes them. */
struct FKismetCompilerOptions
{
};

/** An asset whose graphs the Blueprint compiler turns into code. */
UCLASS(MinimalAPI)
class UBlueprint : public UObject
{
	GENERATED_BODY()

public:
	DECLARE_MULTICAST_DELEGATE_OneParam(FChangedEvent, UBlueprint*);

	ENGINE_API UBlueprint(const FObjectInitializer& ObjectInitializer);

	UPROPERTY()
	TSubclassOf<UObject> ParentClass;

	/**
	 * The class the compiler made from the Blueprint; its instances run the Blueprint's functions.
	 * The engine keeps it in the base class UBlueprintCore.
	 */
	UPROPERTY()
	TSubclassOf<UObject> GeneratedClass;

	/** The event graphs. */
	UPROPERTY()
	TArray<TObjectPtr<UEdGraph>> UbergraphPages;

	/** The function graphs; each becomes a function of the generated class. */
	UPROPERTY()
	TArray<TObjectPtr<UEdGraph>> FunctionGraphs;

	/** Set when the Blueprint is created; not reflected on the host. */
	EBlueprintType BlueprintType = BPTYPE_Normal;

	/** Set by edits (dirty) and by the compiler; not saved. */
	EBlueprintStatus Status = BS_Unknown;

	/** True while the compiler works on the Blueprint; edits made by the compile do not mark it. */
	bool bBeingCompiled = false;

	/** Fired when the Blueprint changed structurally (pins added, removed or reordered). */
	FChangedEvent& OnChanged() { return ChangedEvent; }
	ENGINE_API void BroadcastChanged();

private:
	// The engine declares this as an event that only the Blueprint can fire; the host Core has no
	// event macros, so it is a plain multicast delegate.
	FChangedEvent ChangedEvent;
};
