#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Engine.generated.h"

/** One on-screen debug message, as the engine keeps it until its time runs out. */
struct FScreenMessageString
{
	/** The key it was added with; (uint64)-1 for messages that never replace another. */
	uint64 Key = 0;
	FString ScreenMessage;
	FColor DisplayColor;
	/** Seconds to show it. */
	float TimeToDisplay = 0.0f;
	float CurrentTimeDisplayed = 0.0f;
	FVector2D TextScale;
};

/**
 * The engine object behind GEngine. The host keeps the on-screen debug messages in lists instead of
 * drawing them, so tests and tools can read what a game would show. Unlike the engine's abstract
 * class (which runs as UGameEngine or UEditorEngine), it can be created directly.
 */
UCLASS(Transient)
class ENGINE_API UEngine : public UObject
{
	GENERATED_BODY()

public:
	/**
	 * Adds a message to the on-screen list. Key -1 always adds a new message (on top of the older
	 * ones when bNewerOnTop); any other key replaces the message with that key. Nothing is logged.
	 */
	void AddOnScreenDebugMessage(uint64 Key, float TimeToDisplay, FColor DisplayColor, const FString& DebugMessage, bool bNewerOnTop = true, const FVector2D& TextScale = FVector2D::UnitVector);
	void AddOnScreenDebugMessage(int32 Key, float TimeToDisplay, FColor DisplayColor, const FString& DebugMessage, bool bNewerOnTop = true, const FVector2D& TextScale = FVector2D::UnitVector);

	/** Messages added with key -1, top of the screen first. */
	TArray<FScreenMessageString> PriorityScreenMessages;

	/** Messages added with any other key, one per key. */
	TMap<uint64, FScreenMessageString> ScreenMessages;
};

/** The running engine; null before the engine starts and in programs that never create one. */
extern ENGINE_API UEngine* GEngine;
