#include "LauncherMessages.h"

#include "Engine/Engine.h"
#include "ZovaOutput.h"

FLauncherMessages::FLauncherMessages()
{
	NumScreenMessagesSeen = GEngine ? GEngine->PriorityScreenMessages.Num() : 0;
	GLog->AddOutputDevice(this);
}

FLauncherMessages::~FLauncherMessages()
{
	GLog->RemoveOutputDevice(this);
}

void FLauncherMessages::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
{
	if (Category != LogTemp.GetCategoryName())
	{
		return;
	}
	// The module logs each report before showing it, so what is on screen by now came earlier.
	CollectScreenMessages();
	Messages.Add({TEXT("log"), V});
}

void FLauncherMessages::CollectScreenMessages()
{
	if (!GEngine)
	{
		return;
	}
	const TArray<FScreenMessageString>& OnScreen = GEngine->PriorityScreenMessages;
	for (int32 Index = OnScreen.Num() - NumScreenMessagesSeen - 1; Index >= 0; --Index)
	{
		Messages.Add({TEXT("screen"), OnScreen[Index].ScreenMessage});
		ZovaOutput::PrintToStdErr(TEXT("On screen: ") + OnScreen[Index].ScreenMessage);
	}
	NumScreenMessagesSeen = OnScreen.Num();
}
