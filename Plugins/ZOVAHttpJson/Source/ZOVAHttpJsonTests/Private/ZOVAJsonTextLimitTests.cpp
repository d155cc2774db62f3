// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAStringArrayTest.h"

#if WITH_DEV_AUTOMATION_TESTS

// The engine's reader takes more than JSON. What it takes sanely the library takes too; what would
// crash the game thread or give a wrong value (deep trees freed recursively, brackets closed by the
// other kind, text ending inside a string, NaN) the library refuses as it refuses invalid JSON.

namespace
{
	/** The documented limit: 512 levels still parse, 513 do not. */
	constexpr int32 DepthLimit = 512;

	/** Depth arrays, each the only element of the one around it: "[[[]]]" for 3. */
	FString NestedArrays(int32 Depth)
	{
		return FString::ChrN(Depth, '[') + FString::ChrN(Depth, ']');
	}

	/** An object whose member "a" holds Depth - 1 nested arrays: Depth levels in all. */
	FString ObjectOfDepth(int32 Depth)
	{
		return TEXT("{\"first\":\"1\",\"a\":") + NestedArrays(Depth - 1) + TEXT("}");
	}
}

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonDepthAnalyzeTest, "ZOVA.Json.Library.Depth.Analyze", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonDepthToArrayTest, "ZOVA.Json.Library.Depth.ToArray", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonDepthStringsTest, "ZOVA.Json.Library.Depth.BracketsInStrings", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonDepthCreateTest, "ZOVA.Json.Library.Depth.Create", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonLenientTest, "ZOVA.Json.Library.LenientText", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonRefusedTest, "ZOVA.Json.Library.RefusedText", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAJsonDepthAnalyzeTest::RunTest(const FString& Parameters)
{
	TArray<FString> Values;
	TestTrue(TEXT("At the limit"), UZOVABlueprintFunctionLibrary::OnJsonAnalyze(ObjectOfDepth(DepthLimit), {TEXT("first"), TEXT("a")}, Values));
	TestStringArrayEqual(*this, TEXT("Values at the limit"), Values, {TEXT("1"), NestedArrays(DepthLimit - 1)});

	for (const int32 Depth : {DepthLimit + 1, 100000})
	{
		Values = {TEXT("stale")};
		TestFalse(FString::Printf(TEXT("%d levels"), Depth), UZOVABlueprintFunctionLibrary::OnJsonAnalyze(ObjectOfDepth(Depth), {TEXT("first"), TEXT("/a/0")}, Values));
		// Not even the shallow member is read.
		TestStringArrayEqual(*this, FString::Printf(TEXT("Values at %d levels"), Depth), Values, {TEXT(""), TEXT("")});
	}
	return true;
}

bool FZOVAJsonDepthToArrayTest::RunTest(const FString& Parameters)
{
	TArray<FString> Values;
	TestTrue(TEXT("At the limit"), UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT("[1,") + NestedArrays(DepthLimit - 1) + TEXT("]"), Values));
	TestStringArrayEqual(*this, TEXT("Elements at the limit"), Values, {TEXT("1"), NestedArrays(DepthLimit - 1)});

	const FString Refused[] = {
		TEXT("[1,") + NestedArrays(DepthLimit) + TEXT("]"),
		NestedArrays(100000),
		FString::ChrN(100000, '[') + FString::ChrN(100000, '}'),
		TEXT("[]") + FString::ChrN(100, ']') + NestedArrays(100000),
	};
	for (const FString& Json : Refused)
	{
		Values = {TEXT("stale")};
		TestFalse(FString::Printf(TEXT("Text of %d characters"), Json.Len()), UZOVABlueprintFunctionLibrary::OnJsonToArray(Json, Values));
		TestEqual(FString::Printf(TEXT("Elements of text of %d characters"), Json.Len()), Values.Num(), 0);
	}
	return true;
}

bool FZOVAJsonDepthStringsTest::RunTest(const FString& Parameters)
{
	const FString Brackets = FString::ChrN(DepthLimit, '[') + FString::ChrN(DepthLimit, '{');
	const FString Json = TEXT("{\"") + Brackets + TEXT("\":\"\\\"") + Brackets + TEXT("\\\\\",\"b\":[\"") + Brackets + TEXT("\"]}");
	TArray<FString> Values;
	TestTrue(TEXT("Success"), UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, {Brackets, TEXT("/b/0")}, Values));
	TestStringArrayEqual(*this, TEXT("Values"), Values, {TEXT("\"") + Brackets + TEXT("\\"), Brackets});
	return true;
}

bool FZOVAJsonDepthCreateTest::RunTest(const FString& Parameters)
{
	struct FCase
	{
		const TCHAR* Name;
		FString Value;
		bool bNested;
	};
	// The created object or array adds one level of its own.
	const FCase Cases[] = {
		{TEXT("one level below the limit"), NestedArrays(DepthLimit - 1), true},
		{TEXT("at the limit"), NestedArrays(DepthLimit), true},
		{TEXT("one past the limit"), NestedArrays(DepthLimit + 1), false},
		{TEXT("a hundred thousand levels"), NestedArrays(100000), false},
		{TEXT("a hundred thousand mismatched levels"), FString::ChrN(100000, '{') + FString::ChrN(100000, ']'), false},
	};
	for (const FCase& Case : Cases)
	{
		const FString Member = Case.bNested ? Case.Value : TEXT("\"") + Case.Value + TEXT("\"");
		TMap<FString, FString> Map;
		Map.Add(TEXT("v"), Case.Value);
		FString Json;
		TestTrue(FString::Printf(TEXT("Object %s"), Case.Name), UZOVABlueprintFunctionLibrary::OnCreateJson(Map, Json));
		TestEqualSensitive(FString::Printf(TEXT("Object text %s"), Case.Name), Json, TEXT("{\"v\":") + Member + TEXT("}"));
		TestTrue(FString::Printf(TEXT("Array %s"), Case.Name), UZOVABlueprintFunctionLibrary::OnCreateJsonArray({Case.Value}, Json));
		TestEqualSensitive(FString::Printf(TEXT("Array text %s"), Case.Name), Json, TEXT("[") + Member + TEXT("]"));
	}
	return true;
}

bool FZOVAJsonLenientTest::RunTest(const FString& Parameters)
{
	TArray<FString> Values;
	TestTrue(TEXT("Literals in any case, a last comma"), UZOVABlueprintFunctionLibrary::OnJsonAnalyze(TEXT("{\"a\": TRUE, \"b\": Null, \"d\": [1,2,]}"), {TEXT("a"), TEXT("b"), TEXT("d")}, Values));
	TestStringArrayEqual(*this, TEXT("Values"), Values, {TEXT("true"), TEXT(""), TEXT("[1,2]")});
	// A member without a value is dropped, so its key is not found.
	TestFalse(TEXT("A member without a value"), UZOVABlueprintFunctionLibrary::OnJsonAnalyze(TEXT("{\"a\":}"), {TEXT("a")}, Values));

	TestTrue(TEXT("A last comma in an array"), UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT("[1,2,]"), Values));
	TestStringArrayEqual(*this, TEXT("Elements"), Values, {TEXT("1"), TEXT("2")});
	TestTrue(TEXT("Out of range numbers and control characters"), UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT("[\"NaN\", 1e400, \"tab\there\"]"), Values));
	TestStringArrayEqual(*this, TEXT("Their elements"), Values, {TEXT("NaN"), TEXT("1e400"), TEXT("tab\there")});
	return true;
}

bool FZOVAJsonRefusedTest::RunTest(const FString& Parameters)
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
		TArray<FString> Values = {TEXT("stale")};
		TestFalse(FString::Printf(TEXT("Analyze '%s'"), Json), UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, {TEXT("a"), TEXT("/a/0")}, Values));
		TestStringArrayEqual(*this, FString::Printf(TEXT("Values of '%s'"), Json), Values, {TEXT(""), TEXT("")});
	}
	for (const TCHAR* const Json : {TEXT("[[1,}]"), TEXT("[1,NaN]"), TEXT("[NAN]"), TEXT("[\"\\")})
	{
		TArray<FString> Values = {TEXT("stale")};
		TestFalse(FString::Printf(TEXT("Split '%s'"), Json), UZOVABlueprintFunctionLibrary::OnJsonToArray(Json, Values));
		TestEqual(FString::Printf(TEXT("Elements of '%s'"), Json), Values.Num(), 0);

		// As a value to create with, such text is not nested: it becomes a JSON string.
		FString Created;
		TestTrue(FString::Printf(TEXT("Create with '%s'"), Json), UZOVABlueprintFunctionLibrary::OnCreateJsonArray({Json}, Created));
		TArray<FString> Back;
		TestTrue(FString::Printf(TEXT("Split the array made with '%s'"), Json), UZOVABlueprintFunctionLibrary::OnJsonToArray(Created, Back));
		TestStringArrayEqual(*this, FString::Printf(TEXT("Elements made with '%s'"), Json), Back, {Json});
	}
	return true;
}

#endif
