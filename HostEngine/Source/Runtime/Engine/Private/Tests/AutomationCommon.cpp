#include "Tests/AutomationCommon.h"

#if WITH_AUTOMATION_TESTS

bool FWaitLatentCommand::Update()
{
	const double NewTime = FPlatformTime::Seconds();
	return NewTime - StartTime >= Duration;
}

#endif
