#include "Engine/Engine.h"

UEngine* GEngine = nullptr;

void UEngine::AddOnScreenDebugMessage(uint64 Key, float TimeToDisplay, FColor DisplayColor, const FString& DebugMessage, bool bNewerOnTop, const FVector2D& TextScale)
{
	FScreenMessageString Message;
	Message.Key = Key;
	Message.ScreenMessage = DebugMessage;
	Message.DisplayColor = DisplayColor;
	Message.TimeToDisplay = TimeToDisplay;
	Message.TextScale = TextScale;

	if (Key == (uint64)INDEX_NONE)
	{
		if (bNewerOnTop)
		{
			PriorityScreenMessages.Insert(MoveTemp(Message), 0);
		}
		else
		{
			PriorityScreenMessages.Add(MoveTemp(Message));
		}
	}
	else
	{
		ScreenMessages.Add(Key, MoveTemp(Message));
	}
}

void UEngine::AddOnScreenDebugMessage(int32 Key, float TimeToDisplay, FColor DisplayColor, const FString& DebugMessage, bool bNewerOnTop, const FVector2D& TextScale)
{
	AddOnScreenDebugMessage((uint64)Key, TimeToDisplay, DisplayColor, DebugMessage, bNewerOnTop, TextScale);
}
