#include "JsonTextCheckCases.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAJsonTextCheck.h"

#include <gtest/gtest.h>

// The engine's reader takes more than JSON. What it takes sanely the library takes too; what would
// crash the game thread or give a wrong value (deep trees freed recursively, brackets closed by the
// other kind, text ending inside a string, NaN) the library refuses as it refuses invalid JSON.
// UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h (literals, string and bracket tokens).

using namespace JsonTextCheckCases;

namespace
{
	/** An object whose member "a" holds Depth - 1 nested arrays: Depth levels in all. */
	FString ObjectOfDepth(int32 Depth)
	{
		return TEXT("{\"first\":\"1\",\"a\":") + NestedArrays(Depth - 1) + TEXT("}");
	}
}

TEST(JsonTextCheckTest, TheScanReadsTextAsTheEngineTokenizes)
{
	EXPECT_EQ(ZOVAJsonTextCheck::MaxDepth, Limit);
	for (const FCase& Case : Cases())
	{
		EXPECT_EQ(ZOVAJsonTextCheck::IsRefused(Case.Text), Case.bRefused) << Case.Name;
	}
}

TEST(JsonTextCheckTest, AnalyzeReadsTheLimitAndRefusesOnePastItWhole)
{
	TArray<FString> Values;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(ObjectOfDepth(Limit), {TEXT("first"), TEXT("a")}, Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("1"), NestedArrays(Limit - 1)}));

	for (const int32 Depth : {Limit + 1, 100000})
	{
		SCOPED_TRACE(Depth);
		Values = {TEXT("stale")};
		EXPECT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(ObjectOfDepth(Depth), {TEXT("first"), TEXT("/a/0")}, Values));
		EXPECT_EQ(Values, (TArray<FString>{TEXT(""), TEXT("")})) << "not even the shallow member is read";
	}
}

TEST(JsonTextCheckTest, JsonToArrayReadsTheLimitAndRefusesOnePastIt)
{
	TArray<FString> Values;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT("[1,") + NestedArrays(Limit - 1) + TEXT("]"), Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("1"), NestedArrays(Limit - 1)}));

	const FString Refused[] = {
		TEXT("[1,") + NestedArrays(Limit) + TEXT("]"),
		NestedArrays(100000),
		FString::ChrN(100000, '[') + FString::ChrN(100000, '}'),
		TEXT("[]") + FString::ChrN(100, ']') + NestedArrays(100000),
	};
	for (const FString& Json : Refused)
	{
		SCOPED_TRACE(Json.Len());
		Values = {TEXT("stale")};
		EXPECT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonToArray(Json, Values));
		EXPECT_TRUE(Values.IsEmpty());
	}
}

TEST(JsonTextCheckTest, BracketsInsideStringsDoNotCount)
{
	const FString Brackets = FString::ChrN(Limit, '[') + FString::ChrN(Limit, '{');
	const FString Json = TEXT("{\"") + Brackets + TEXT("\":\"\\\"") + Brackets + TEXT("\\\\\",\"b\":[\"") + Brackets + TEXT("\"]}");
	TArray<FString> Values;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, {Brackets, TEXT("/b/0")}, Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("\"") + Brackets + TEXT("\\"), Brackets}));
}

TEST(JsonTextCheckTest, CreateNestsTextUpToTheLimitAndQuotesDeeperText)
{
	struct FCase
	{
		const char* Name;
		FString Value;
		bool bNested;
	};
	// The created object or array adds one level of its own.
	const FCase Cases[] = {
		{"one level below the limit", NestedArrays(Limit - 1), true},
		{"at the limit", NestedArrays(Limit), true},
		{"one past the limit", NestedArrays(Limit + 1), false},
		{"a hundred thousand levels", NestedArrays(100000), false},
		{"a hundred thousand mismatched levels", FString::ChrN(100000, '{') + FString::ChrN(100000, ']'), false},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FString Member = Case.bNested ? Case.Value : TEXT("\"") + Case.Value + TEXT("\"");
		TMap<FString, FString> Map;
		Map.Add(TEXT("v"), Case.Value);
		FString Json;
		EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJson(Map, Json));
		EXPECT_EQ(Json, TEXT("{\"v\":") + Member + TEXT("}"));
		EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJsonArray({Case.Value}, Json));
		EXPECT_EQ(Json, TEXT("[") + Member + TEXT("]"));
	}
}

TEST(JsonTextCheckTest, LenientTextGivesTheEnginesValues)
{
	TArray<FString> Values;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(TEXT("{\"a\": TRUE, \"b\": Null, \"d\": [1,2,]}"), {TEXT("a"), TEXT("b"), TEXT("d")}, Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("true"), TEXT(""), TEXT("[1,2]")}));
	EXPECT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(TEXT("{\"a\":}"), {TEXT("a")}, Values)) << "a member without a value is dropped";

	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT("[1,2,]"), Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("1"), TEXT("2")}));
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT("[\"NaN\", 1e400, \"tab\there\"]"), Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("NaN"), TEXT("1e400"), TEXT("tab\there")}));
}

TEST(JsonTextCheckTest, TextTheEngineWouldCrashOnOrMisreadIsRefusedAsInvalid)
{
	const TCHAR* const Objects[] = {
		TEXT("{\"a\":\"x\\"),
		TEXT("{\"a\":\"x"),
		TEXT("{\"a\":[1,}}"),
		TEXT("{\"a\":{\"b\":1]}"),
		TEXT("{\"a\":NaN}"),
		TEXT("{\"b\":1,\"a\":nan}"),
		// The engine reads NaN in any letter case.
		TEXT("{\"a\":NAN}"),
		TEXT("{\"a\":[nAn]}"),
		TEXT("{\"a\":Nan,\"b\":naN}"),
	};
	for (const TCHAR* const Json : Objects)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Json));
		TArray<FString> Values = {TEXT("stale")};
		EXPECT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, {TEXT("a"), TEXT("/a/0")}, Values));
		EXPECT_EQ(Values, (TArray<FString>{TEXT(""), TEXT("")}));
	}
	for (const TCHAR* const Json : {TEXT("[[1,}]"), TEXT("[1,NaN]"), TEXT("[NAN]"), TEXT("[\"\\")})
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Json));
		TArray<FString> Values = {TEXT("stale")};
		EXPECT_FALSE(UZOVABlueprintFunctionLibrary::OnJsonToArray(Json, Values));
		EXPECT_TRUE(Values.IsEmpty());

		// As a value to create with, such text is not nested: it becomes a JSON string.
		FString Created;
		EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJsonArray({Json}, Created));
		TArray<FString> Back;
		EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonToArray(Created, Back));
		EXPECT_EQ(Back, (TArray<FString>{Json}));
	}
}
