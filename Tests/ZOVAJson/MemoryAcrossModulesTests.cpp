#include "Dom/JsonObject.h"
#include "ScopedMallocTracker.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZOVABlueprintFunctionLibrary.h"

#include <gtest/gtest.h>

// Blocks change hands between the plug-in library, the Json module and the program: each must be
// freed through the one allocator that handed it out, whichever library frees it.
class FMemoryAcrossModulesTest : public testing::Test
{
protected:
	static const FString& Json()
	{
		static const FString Text = TEXT("{\"name\":\"玩家一\",\"tags\":[\"a\",{\"deep\":[1,2]}],\"score\":12.5,\"ok\":true}");
		return Text;
	}

	static const TArray<FString>& Keys()
	{
		static const TArray<FString> Result = {TEXT("name"), TEXT("tags"), TEXT("/tags/1/deep"), TEXT("score"), TEXT("missing")};
		return Result;
	}

	virtual void SetUp() override
	{
		// Whatever the libraries set up once for good (shared empty values, names) is made before tracking starts.
		TArray<FString> Values;
		UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json(), Keys(), Values);
		FString Text;
		UZOVABlueprintFunctionLibrary::OnCreateJson({{TEXT("k"), TEXT("{\"x\":1}")}}, Text);
	}

	static void ExpectAllReturned(const FScopedMallocTracker& Tracker)
	{
		EXPECT_GT(Tracker.NumAllocations(), 0);
		EXPECT_EQ(Tracker.NumLive(), 0) << "every block handed out came back";
		EXPECT_EQ(Tracker.NumUntrackedFrees(), 0) << "nothing was freed that the allocator did not hand out";
	}
};

TEST_F(FMemoryAcrossModulesTest, PlugInFreesTheTextTheJsonModuleWrote)
{
	const FScopedMallocTracker Tracker;
	{
		// The Json module reads the document and writes each value's text; the plug-in hands the texts
		// out, and frees them itself when the same array is filled again.
		TArray<FString> Values;
		ASSERT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json(), Keys(), Values));
		const TCHAR* const FirstName = Values[0].GetCharArray().GetData();
		EXPECT_TRUE(Tracker.IsLive(FirstName));
		EXPECT_EQ(Values[0], TEXT("玩家一"));
		EXPECT_EQ(Values[2], TEXT("[1,2]"));

		ASSERT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json(), Keys(), Values));
		EXPECT_FALSE(Tracker.IsLive(FirstName)) << "the plug-in released the first round's text";
		EXPECT_EQ(Values[3], TEXT("12.5"));
	}
	ExpectAllReturned(Tracker);
}

TEST_F(FMemoryAcrossModulesTest, JsonModuleFreesTheValuesThePlugInMade)
{
	const FScopedMallocTracker Tracker;
	{
		// The plug-in makes a value for each entry and the Json module's object takes them; the Json
		// writer fills the program's string, and the object's end releases the plug-in's values.
		FString Written = TEXT("text from an earlier call, replaced");
		const TMap<FString, FString> Entries = {{TEXT("name"), TEXT("玩家一")}, {TEXT("inner"), TEXT("{\"deep\":[1,2]}")}, {TEXT("list"), TEXT("[true]")}};
		ASSERT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJson(Entries, Written));
		EXPECT_EQ(Written, TEXT("{\"name\":\"玩家一\",\"inner\":{\"deep\":[1,2]},\"list\":[true]}"));

		TSharedPtr<FJsonObject> ReadBack;
		ASSERT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Written), ReadBack));
		FString Name;
		EXPECT_TRUE(ReadBack->TryGetStringField(TEXT("name"), Name));
		EXPECT_EQ(Name, TEXT("玩家一"));
	}
	ExpectAllReturned(Tracker);
}
