#pragma once

#include "CoreMinimal.h"

/** One thing the launcher module reported: a LogTemp line ("log") or an on-screen message ("screen"). */
struct FLauncherMessage
{
	FString Kind;
	FString Text;
};

/**
 * Gathers the launcher module's reports while it lives, in the order they were made: LogTemp lines
 * from the log, and the messages added to GEngine's on-screen list (which shows newer ones on top).
 * On-screen messages are echoed to standard error, where the log lines already go.
 */
class FLauncherMessages final : public FOutputDevice
{
public:
	FLauncherMessages();
	virtual ~FLauncherMessages() override;

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;

	/** Takes in the on-screen messages added since the last look; call after each library call. */
	void CollectScreenMessages();

	const TArray<FLauncherMessage>& GetMessages() const { return Messages; }

private:
	TArray<FLauncherMessage> Messages;
	int32 NumScreenMessagesSeen = 0;
};
