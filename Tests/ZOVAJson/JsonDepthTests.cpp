#include "JsonNestingCases.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAJsonNesting.h"

#include <gtest/gtest.h>

// The engine's reader takes any depth but frees the parsed tree recursively, so the library refuses
// deep text before parsing it; it must refuse it exactly as it refuses invalid JSON.
// UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h (string and bracket tokens).

using namespace JsonNestingCases;

namespace
{
	/** An object whose member "a" holds Depth - 1 nested arrays: Depth levels in all. */
	FString ObjectOfDepth(int32 Depth)
	{
		return TEXT("{\"first\":\"1\",\"a\":") + NestedArrays(Depth - 1) + TEXT("}");
	}
}

TEST(JsonDepthTest, TheScanReadsTextAsTheEngineTokenizes)
{
	EXPECT_EQ(ZOVAJsonNesting::MaxDepth, Limit);
	for (const FCase& Case : Cases())
	{
		EXPECT_EQ(ZOVAJsonNesting::IsTooDeep(Case.Text), Case.bTooDeep) << Case.Name;
	}
}

TEST(JsonDepthTest, AnalyzeReadsTheLimitAndRefusesOnePastItWhole)
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

TEST(JsonDepthTest, JsonToArrayReadsTheLimitAndRefusesOnePastIt)
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

TEST(JsonDepthTest, BracketsInsideStringsDoNotCount)
{
	const FString Brackets = FString::ChrN(Limit, '[') + FString::ChrN(Limit, '{');
	const FString Json = TEXT("{\"") + Brackets + TEXT("\":\"\\\"") + Brackets + TEXT("\\\\\",\"b\":[\"") + Brackets + TEXT("\"]}");
	TArray<FString> Values;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, {Brackets, TEXT("/b/0")}, Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("\"") + Brackets + TEXT("\\"), Brackets}));
}

TEST(JsonDepthTest, CreateNestsTextUpToTheLimitAndQuotesDeeperText)
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
