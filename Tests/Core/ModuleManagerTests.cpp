#include "CoreMinimal.h"
#include "HAL/PlatformProcess.h"
#include "Misc/OutputDevice.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <string>
#include <vector>

namespace
{
	/** Collects, in order, the lines of the test modules and the manager plus the load callbacks. */
	class FModuleEventLog final : public FOutputDevice
	{
	public:
		std::vector<std::string> Events;

		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			if (Category == FName(TEXT("LogCoreTestModule")) || Category == FName(TEXT("LogModuleManager")))
			{
				Events.push_back(std::string(TCHAR_TO_UTF8(*Category.ToString())) + ": " + TCHAR_TO_UTF8(V));
			}
		}
	};

	class FModuleManagerTest : public ::testing::Test
	{
	protected:
		static void SetUpTestSuite()
		{
			// As if module A were linked into the program: its InitializeModule is then the one any
			// global symbol lookup finds first.
			const std::string Path = std::string(TCHAR_TO_UTF8(FPlatformProcess::BaseDir())) + "libUnrealEditor-CoreTestModuleA.so";
			ASSERT_NE(dlopen(Path.c_str(), RTLD_NOW | RTLD_GLOBAL), nullptr) << dlerror();
		}

		virtual void SetUp() override
		{
			GLog->AddOutputDevice(&EventLog);
			ProcessedHandle = FModuleManager::Get().OnProcessLoadedObjectsCallback().AddLambda([this](FName ModuleName, bool bCanProcessNewlyLoadedObjects)
			{
				EventLog.Events.push_back("Processed " + std::string(TCHAR_TO_UTF8(*ModuleName.ToString())));
			});
		}

		virtual void TearDown() override
		{
			FModuleManager::Get().OnProcessLoadedObjectsCallback().Remove(ProcessedHandle);
			GLog->RemoveOutputDevice(&EventLog);
		}

		bool HasWarningAbout(const char* ModuleName) const
		{
			for (const std::string& Event : EventLog.Events)
			{
				if (Event.rfind("LogModuleManager: ", 0) == 0 && Event.find(ModuleName) != std::string::npos)
				{
					return true;
				}
			}
			return false;
		}

		FModuleEventLog EventLog;
		FDelegateHandle ProcessedHandle;
	};
}

TEST_F(FModuleManagerTest, LoadsALibraryAlreadyInTheProcessAndStartsItAfterTheLoadCallback)
{
	FModuleManager& Manager = FModuleManager::Get();
	IModuleInterface* const Module = Manager.LoadModule(TEXT("CoreTestModuleA"));
	ASSERT_NE(Module, nullptr);
	EXPECT_TRUE(Manager.IsModuleLoaded(TEXT("coretestmodulea")));
	EXPECT_EQ(Manager.GetModule(TEXT("CoreTestModuleA")), Module);
	EXPECT_EQ(EventLog.Events, (std::vector<std::string>{"Processed CoreTestModuleA", "LogCoreTestModule: StartupModule CoreTestModuleA"}));

	// A second load hands back the running module without starting it again.
	EXPECT_EQ(Manager.LoadModule(TEXT("CoreTestModuleA")), Module);
	EXPECT_EQ(&FModuleManager::LoadModuleChecked<IModuleInterface>(TEXT("CoreTestModuleA")), Module);
	EXPECT_EQ(EventLog.Events.size(), 2u);

	EXPECT_TRUE(Manager.UnloadModule(TEXT("CoreTestModuleA")));
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("CoreTestModuleA")));
	EXPECT_EQ(Manager.GetModule(TEXT("CoreTestModuleA")), nullptr);
	EXPECT_FALSE(Manager.UnloadModule(TEXT("CoreTestModuleA")));
	EXPECT_EQ(EventLog.Events.back(), "LogCoreTestModule: ShutdownModule CoreTestModuleA");

	EventLog.Events.clear();
	ASSERT_NE(Manager.LoadModule(TEXT("CoreTestModuleA")), nullptr);
	EXPECT_EQ(EventLog.Events, (std::vector<std::string>{"Processed CoreTestModuleA", "LogCoreTestModule: StartupModule CoreTestModuleA"}));
}

TEST_F(FModuleManagerTest, FindsLibrariesInAddedBinariesDirectoriesAndTakesTheirOwnInitializer)
{
	FModuleManager& Manager = FModuleManager::Get();
	EXPECT_EQ(Manager.LoadModule(TEXT("CoreTestModuleB")), nullptr);
	EXPECT_TRUE(HasWarningAbout("CoreTestModuleB"));

	EventLog.Events.clear();
	Manager.AddBinariesDirectory(*(FString(FPlatformProcess::BaseDir()) + TEXT("CoreTestPlugin")), true);
	ASSERT_NE(Manager.LoadModule(TEXT("CoreTestModuleB")), nullptr);
	EXPECT_EQ(EventLog.Events, (std::vector<std::string>{"Processed CoreTestModuleB", "LogCoreTestModule: StartupModule CoreTestModuleB"}));
	EXPECT_TRUE(Manager.UnloadModule(TEXT("CoreTestModuleB")));
}

TEST_F(FModuleManagerTest, ReportsLibrariesThatAreMissingOrAreNoModules)
{
	FModuleManager& Manager = FModuleManager::Get();
	EXPECT_EQ(Manager.LoadModule(TEXT("NoSuchCoreTestModule")), nullptr);
	EXPECT_TRUE(HasWarningAbout("NoSuchCoreTestModule"));
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("NoSuchCoreTestModule")));

	// Core's own library is found and loaded, but it does not implement a module.
	EventLog.Events.clear();
	EXPECT_EQ(Manager.LoadModule(TEXT("Core")), nullptr);
	EXPECT_TRUE(HasWarningAbout("InitializeModule"));
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("Core")));

	EXPECT_DEATH(FModuleManager::LoadModuleChecked<IModuleInterface>(TEXT("NoSuchCoreTestModule")), "NoSuchCoreTestModule");
}
