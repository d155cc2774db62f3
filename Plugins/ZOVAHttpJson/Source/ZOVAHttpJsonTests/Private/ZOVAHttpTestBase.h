// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"

#if WITH_DEV_AUTOMATION_TESTS

class FZOVALoopbackHttpServer;

/**
 * The base of the request node tests. The HTTP module's log is not theirs to judge. A test serves its
 * routes on a free port of 127.0.0.1 from the engine's HTTP server module, which takes no port 0, so
 * candidate ports are tried in turn.
 */
class FZOVAHttpTestBase : public FAutomationTestBase
{
public:
	FZOVAHttpTestBase(const FString& InName, const bool bInComplexTask);

	/** Leaves out the HTTP module's lines, and while a port is sought the server's errors for the ports it cannot bind. */
	virtual bool ShouldCaptureLogCategory(const FName& Category) const override;

protected:
	/** Starts the server's listeners and takes the first candidate port it can listen on; null, reported, when none. */
	TSharedPtr<FZOVALoopbackHttpServer> StartServer();

private:
	bool bSeekingPort = false;
};

#endif
