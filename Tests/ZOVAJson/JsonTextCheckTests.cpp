#include "JsonTextCheckCases.h"
#include "ZOVAJsonTextCheck.h"

#include <gtest/gtest.h>

// The engine's reader takes more than JSON. What it takes sanely the library takes too; what would
// crash the game thread or give a wrong value (deep trees freed recursively, brackets closed by the
// other kind, text ending inside a string, NaN) the library refuses as it refuses invalid JSON. The
// library's results are the plug-in's automation tests' (ZOVA.Json.Library); this is its scan alone.
// UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h (literals, string and bracket tokens).

using namespace JsonTextCheckCases;

TEST(JsonTextCheckTest, TheScanReadsTextAsTheEngineTokenizes)
{
	EXPECT_EQ(ZOVAJsonTextCheck::MaxDepth, Limit);
	for (const FCase& Case : Cases())
	{
		EXPECT_EQ(ZOVAJsonTextCheck::IsRefused(Case.Text), Case.bRefused) << Case.Name;
	}
}
