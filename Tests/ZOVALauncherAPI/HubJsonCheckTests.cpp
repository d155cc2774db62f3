#include "JsonTextCheckCases.h"
#include "ZOVAHubJsonCheck.h"

#include <gtest/gtest.h>

// The engine's reader takes any depth but frees the parsed tree recursively, so the module refuses a
// deep session document before parsing it, as it refuses one that is not JSON; what the accessors then
// give is the plug-in's automation tests' (ZOVA.Launcher.Session). This is the check alone.
// UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h (string and bracket tokens).

TEST(HubJsonCheckTest, TheCheckReadsTextAsTheEngineTokenizes)
{
	EXPECT_EQ(UE::ZOVALauncherAPI::Private::MaxHubJsonDepth, JsonTextCheckCases::Limit);
	for (const JsonTextCheckCases::FCase& Case : JsonTextCheckCases::Cases())
	{
		EXPECT_EQ(UE::ZOVALauncherAPI::Private::IsHubJsonRefused(Case.Text), Case.bRefused) << Case.Name;
	}
}
