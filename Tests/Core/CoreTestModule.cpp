// A module library for ModuleManagerTests, built twice under two module names.
#include "Modules/ModuleManager.h"

DEFINE_LOG_CATEGORY_STATIC(LogCoreTestModule, Log, All);

namespace
{
	/** Logs its start-up and shutdown, which the tests read back from GLog. */
	class FCoreTestModule final : public IModuleInterface
	{
	public:
		virtual void StartupModule() override
		{
			UE_LOG(LogCoreTestModule, Display, TEXT("StartupModule %s"), TEXT(CORE_TEST_MODULE_LABEL));
		}

		virtual void ShutdownModule() override
		{
			UE_LOG(LogCoreTestModule, Display, TEXT("ShutdownModule %s"), TEXT(CORE_TEST_MODULE_LABEL));
		}
	};
}

IMPLEMENT_MODULE(FCoreTestModule, CORE_TEST_MODULE_NAME)
