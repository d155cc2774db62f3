#include "ZOVABlueprintFunctionLibrary.h"

#include <gtest/gtest.h>

class FJsonCreateTest : public testing::Test
{
};

TEST_F(FJsonCreateTest, CreateJsonNestsContainersAndQuotesEverythingElse)
{
	TMap<FString, FString> Map;
	Map.Add(TEXT("name"), TEXT("张三"));
	Map.Add(TEXT("age"), TEXT("30"));
	Map.Add(TEXT("flag"), TEXT("true"));
	Map.Add(TEXT("profile"), TEXT(" {\"level\": 3, \"big\": 12345678901234567890} "));
	Map.Add(TEXT("list"), TEXT("[1, \"a\"]"));
	Map.Add(TEXT("broken"), TEXT("{\"a\":"));
	Map.Add(TEXT("quote"), TEXT("say \"hi\"\n\\"));
	Map.Add(TEXT(""), TEXT(""));
	FString Json;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJson(Map, Json));
	EXPECT_EQ(Json, TEXT("{\"name\":\"张三\",\"age\":\"30\",\"flag\":\"true\",\"profile\":{\"level\":3,\"big\":12345678901234567890},")
		TEXT("\"list\":[1,\"a\"],\"broken\":\"{\\\"a\\\":\",\"quote\":\"say \\\"hi\\\"\\n\\\\\",\"\":\"\"}"));

	FString Empty;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJson(TMap<FString, FString>(), Empty));
	EXPECT_EQ(Empty, TEXT("{}"));
}

TEST_F(FJsonCreateTest, CreateJsonArrayKeepsElementOrder)
{
	FString Json;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJsonArray({TEXT("b"), TEXT(""), TEXT("{}"), TEXT("[[]]"), TEXT("a")}, Json));
	EXPECT_EQ(Json, TEXT("[\"b\",\"\",{},[[]],\"a\"]"));
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJsonArray(TArray<FString>(), Json));
	EXPECT_EQ(Json, TEXT("[]"));
}

TEST_F(FJsonCreateTest, CreatedJsonReadsBackThroughAnalyze)
{
	TMap<FString, FString> Map;
	Map.Add(TEXT("a"), TEXT("1"));
	Map.Add(TEXT("nested"), TEXT("{\"b\":[\"c\"]}"));
	Map.Add(TEXT("text"), TEXT("中文, \"quoted\""));
	FString Json;
	ASSERT_TRUE(UZOVABlueprintFunctionLibrary::OnCreateJson(Map, Json));
	TArray<FString> Values;
	EXPECT_TRUE(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, {TEXT("text"), TEXT("/nested/b/0"), TEXT("a")}, Values));
	EXPECT_EQ(Values, (TArray<FString>{TEXT("中文, \"quoted\""), TEXT("c"), TEXT("1")}));
}
