#include "ZOVABlueprintFunctionLibrary.h"

#include <gtest/gtest.h>

class FJsonAnalyzeTest : public testing::Test
{
protected:
	static TArray<FString> Analyze(const FString& Json, const TArray<FString>& Keys, bool& bOutSuccess)
	{
		TArray<FString> Values;
		bOutSuccess = UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, Keys, Values);
		EXPECT_EQ(Values.Num(), Keys.Num()) << "one value per key, whatever the result";
		return Values;
	}
};

// UE 5.8, Json/Public/Serialization/JsonSerializer.h
TEST_F(FJsonAnalyzeTest, ValuesBecomeTextByTheLibraryRules)
{
	const FString Json = TEXT("{\"s\":\"张三 \\\"quoted\\\" \\u00e9\\n\",\"int\":30,\"dec\":1.50,\"big\":1e300,\"negzero\":-0,")
		TEXT("\"huge\":12345678901234567890,\"pi\":3.14159265,\"t\":true,\"f\":false,\"n\":null,")
		TEXT("\"obj\":{\"x\": [1, 2.0 , \"y\"]},\"arr\":[],\"empty\":{}}");
	struct FCase
	{
		const TCHAR* Key;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{TEXT("s"), TEXT("张三 \"quoted\" é\n")},
		{TEXT("int"), TEXT("30")},
		{TEXT("dec"), TEXT("1.50")},
		{TEXT("big"), TEXT("1e300")},
		{TEXT("negzero"), TEXT("-0")},
		{TEXT("huge"), TEXT("12345678901234567890")},
		{TEXT("pi"), TEXT("3.14159265")},
		{TEXT("t"), TEXT("true")},
		{TEXT("f"), TEXT("false")},
		{TEXT("n"), TEXT("")},
		{TEXT("obj"), TEXT("{\"x\":[1,2.0,\"y\"]}")},
		{TEXT("arr"), TEXT("[]")},
		{TEXT("empty"), TEXT("{}")},
	};
	TArray<FString> Keys;
	for (const FCase& Case : Cases)
	{
		Keys.Add(Case.Key);
	}
	bool bSuccess = false;
	const TArray<FString> Values = Analyze(Json, Keys, bSuccess);
	EXPECT_TRUE(bSuccess);
	for (int32 Index = 0; Index < Keys.Num(); ++Index)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Cases[Index].Key));
		EXPECT_TRUE(Values[Index].Equals(Cases[Index].Expected, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Values[Index]);
	}
}

TEST_F(FJsonAnalyzeTest, PointerKeysReachNestedValues)
{
	const FString Json = TEXT("{\"data\":{\"items\":[{\"id\":7},{\"id\":\"b\"}],\"a/b\":1,\"m~n\":2,\"\":3},\"/plain\":\"literal\"}");
	bool bSuccess = false;
	const TArray<FString> Values = Analyze(Json,
		{TEXT("/data/items/0/id"), TEXT("/data/items/1/id"), TEXT("/data/a~1b"), TEXT("/data/m~0n"), TEXT("/data/"), TEXT("/data/items/1")},
		bSuccess);
	EXPECT_TRUE(bSuccess);
	EXPECT_EQ(Values, (TArray<FString>{TEXT("7"), TEXT("b"), TEXT("1"), TEXT("2"), TEXT("3"), TEXT("{\"id\":\"b\"}")}));
}

TEST_F(FJsonAnalyzeTest, MissingKeysAndBadPointersGiveEmptyValuesAndFalse)
{
	const FString Json = TEXT("{\"a\":{\"list\":[1,2]},\"b\":\"x\"}");
	const TCHAR* Missing[] = {
		TEXT("c"), TEXT("/a/list/2"), TEXT("/a/list/01"), TEXT("/a/list/-"), TEXT("/a/list/x"), TEXT("/b/0"), TEXT("/a/~2"), TEXT("/a/list/1/deeper"),
	};
	for (const TCHAR* Key : Missing)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Key));
		bool bSuccess = true;
		const TArray<FString> Values = Analyze(Json, {TEXT("b"), Key}, bSuccess);
		EXPECT_FALSE(bSuccess);
		EXPECT_EQ(Values[0], TEXT("x")) << "keys that are found still get their values";
		EXPECT_EQ(Values[1], TEXT(""));
	}
}

TEST_F(FJsonAnalyzeTest, TextThatIsNotAJsonObjectFails)
{
	const TCHAR* Invalid[] = {TEXT(""), TEXT("   "), TEXT("[1,2]"), TEXT("\"text\""), TEXT("{\"a\":1,}"), TEXT("{\"a\":1} trailing"), TEXT("{'a':1}"), TEXT("{\"a\":01}")};
	for (const TCHAR* Json : Invalid)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Json));
		bool bSuccess = true;
		const TArray<FString> Values = Analyze(Json, {TEXT("a")}, bSuccess);
		EXPECT_FALSE(bSuccess);
		EXPECT_EQ(Values[0], TEXT(""));
	}
}

// Deep documents are refused before parsing: JsonTextCheckTests.cpp.
TEST_F(FJsonAnalyzeTest, LargeDocumentsFinishCleanly)
{
	// About 10 MB of members, with the wanted ones at both ends.
	FString Large = TEXT("{\"first\":\"1\"");
	const FString Filler = TEXT(",\"k%d\":\"") + FString::ChrN(90, 'x') + TEXT("\"");
	for (int32 Index = 0; Index < 100000; ++Index)
	{
		Large += FString::Printf(*Filler, Index);
	}
	Large += TEXT(",\"last\":[true]}");
	bool bSuccess = false;
	const TArray<FString> Values = Analyze(Large, {TEXT("first"), TEXT("last"), TEXT("k99999")}, bSuccess);
	EXPECT_TRUE(bSuccess);
	EXPECT_EQ(Values[0], TEXT("1"));
	EXPECT_EQ(Values[1], TEXT("[true]"));
	EXPECT_EQ(Values[2], FString::ChrN(90, 'x'));
}

TEST_F(FJsonAnalyzeTest, JsonToArrayKeepsOrderAndConvertsElements)
{
	TArray<FString> Values = {TEXT("stale")};
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT(" [\"a\", 2.0, false, null, {\"k\": [ ]}, [1]] "), Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("a"), TEXT("2.0"), TEXT("false"), TEXT(""), TEXT("{\"k\":[]}"), TEXT("[1]")}));

	EXPECT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT("{\"a\":1}"), Values));
	EXPECT_TRUE(Values.IsEmpty());
	EXPECT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT("[1,"), Values));
	EXPECT_TRUE(Values.IsEmpty());
}

TEST_F(FJsonAnalyzeTest, ArrayOutNeverFails)
{
	const TArray<FString> Array = {TEXT("zero"), TEXT("one")};
	EXPECT_EQ(UZOVABlueprintFunctionLibrary::OnArrayOut(Array, 1), TEXT("one"));
	EXPECT_EQ(UZOVABlueprintFunctionLibrary::OnArrayOut(Array, 2), TEXT(""));
	EXPECT_EQ(UZOVABlueprintFunctionLibrary::OnArrayOut(Array, -1), TEXT(""));
	EXPECT_EQ(UZOVABlueprintFunctionLibrary::OnArrayOut(TArray<FString>(), 0), TEXT(""));
}
