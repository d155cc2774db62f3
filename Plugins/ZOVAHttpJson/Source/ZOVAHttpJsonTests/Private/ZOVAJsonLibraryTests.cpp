// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAStringArrayTest.h"

#if WITH_DEV_AUTOMATION_TESTS

namespace
{
	/** Analyze as the node calls it; there is one value per key, whatever the result. */
	TArray<FString> Analyze(FAutomationTestBase& Test, const FString& Json, const TArray<FString>& Keys, bool& bOutSuccess)
	{
		TArray<FString> Values;
		bOutSuccess = UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, Keys, Values);
		Test.TestEqual(TEXT("One value per key"), Values.Num(), Keys.Num());
		return Values;
	}
}

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonAnalyzeValuesTest, "ZOVA.Json.Library.Analyze.ValuesAsText", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonAnalyzePointerTest, "ZOVA.Json.Library.Analyze.PointerKeys", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonAnalyzeMissingTest, "ZOVA.Json.Library.Analyze.MissingKeys", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonAnalyzeInvalidTest, "ZOVA.Json.Library.Analyze.InvalidJson", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonAnalyzeLargeTest, "ZOVA.Json.Library.Analyze.LargeDocument", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonToArrayTest, "ZOVA.Json.Library.ToArray", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonArrayOutTest, "ZOVA.Json.Library.ArrayOut", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonCreateObjectTest, "ZOVA.Json.Library.Create.Object", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonCreateArrayTest, "ZOVA.Json.Library.Create.Array", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonCreateReadBackTest, "ZOVA.Json.Library.Create.ReadBack", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAJsonAnalyzeValuesTest::RunTest(const FString& Parameters)
{
	const FString Json = TEXT("{\"s\":\"张三 \\\"quoted\\\" \\u00e9\\n\",\"int\":30,\"dec\":1.50,\"big\":1e300,\"negzero\":-0,")
		TEXT("\"huge\":12345678901234567890,\"pi\":3.14159265,\"t\":true,\"f\":false,\"n\":null,")
		TEXT("\"obj\":{\"x\": [1, 2.0 , \"y\"]},\"arr\":[],\"empty\":{}}");
	// Numbers keep the text they were written with; null is empty; containers come back compact.
	const TPair<const TCHAR*, const TCHAR*> Cases[] = {
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
	TArray<FString> Expected;
	for (const TPair<const TCHAR*, const TCHAR*>& Case : Cases)
	{
		Keys.Add(Case.Key);
		Expected.Add(Case.Value);
	}
	bool bSuccess = false;
	const TArray<FString> Values = Analyze(*this, Json, Keys, bSuccess);
	TestTrue(TEXT("Success"), bSuccess);
	TestStringArrayEqual(*this, TEXT("Values"), Values, Expected);
	return true;
}

bool FZOVAJsonAnalyzePointerTest::RunTest(const FString& Parameters)
{
	const FString Json = TEXT("{\"data\":{\"items\":[{\"id\":7},{\"id\":\"b\"}],\"a/b\":1,\"m~n\":2,\"\":3},\"/plain\":\"literal\"}");
	bool bSuccess = false;
	const TArray<FString> Values = Analyze(*this, Json, {TEXT("/data/items/0/id"), TEXT("/data/items/1/id"), TEXT("/data/a~1b"), TEXT("/data/m~0n"), TEXT("/data/"), TEXT("/data/items/1")}, bSuccess);
	TestTrue(TEXT("Success"), bSuccess);
	TestStringArrayEqual(*this, TEXT("Values"), Values, {TEXT("7"), TEXT("b"), TEXT("1"), TEXT("2"), TEXT("3"), TEXT("{\"id\":\"b\"}")});
	return true;
}

bool FZOVAJsonAnalyzeMissingTest::RunTest(const FString& Parameters)
{
	const FString Json = TEXT("{\"a\":{\"list\":[1,2]},\"b\":\"x\"}");
	const TCHAR* const Missing[] = {
		TEXT("c"), TEXT("/a/list/2"), TEXT("/a/list/01"), TEXT("/a/list/-"), TEXT("/a/list/x"), TEXT("/b/0"), TEXT("/a/~2"), TEXT("/a/list/1/deeper"),
	};
	for (const TCHAR* const Key : Missing)
	{
		bool bSuccess = true;
		// A key that is found still gets its value.
		const TArray<FString> Values = Analyze(*this, Json, {TEXT("b"), Key}, bSuccess);
		TestFalse(FString::Printf(TEXT("Success with %s"), Key), bSuccess);
		TestStringArrayEqual(*this, FString::Printf(TEXT("Values with %s"), Key), Values, {TEXT("x"), TEXT("")});
	}
	return true;
}

bool FZOVAJsonAnalyzeInvalidTest::RunTest(const FString& Parameters)
{
	const TCHAR* const Invalid[] = {TEXT(""), TEXT("   "), TEXT("[1,2]"), TEXT("\"text\""), TEXT("{\"a\":1,}"), TEXT("{\"a\":1} trailing"), TEXT("{'a':1}"), TEXT("{\"a\":01}")};
	for (const TCHAR* const Json : Invalid)
	{
		bool bSuccess = true;
		const TArray<FString> Values = Analyze(*this, Json, {TEXT("a")}, bSuccess);
		TestFalse(FString::Printf(TEXT("Success for '%s'"), Json), bSuccess);
		TestStringArrayEqual(*this, FString::Printf(TEXT("Values for '%s'"), Json), Values, {TEXT("")});
	}
	return true;
}

bool FZOVAJsonAnalyzeLargeTest::RunTest(const FString& Parameters)
{
	// About 10 MB of members, with the wanted ones at both ends.
	FString Large = TEXT("{\"first\":\"1\"");
	const FString Filler = FString::ChrN(90, 'x');
	for (int32 Index = 0; Index < 100000; ++Index)
	{
		Large += FString::Printf(TEXT(",\"k%d\":\"%s\""), Index, *Filler);
	}
	Large += TEXT(",\"last\":[true]}");
	bool bSuccess = false;
	const TArray<FString> Values = Analyze(*this, Large, {TEXT("first"), TEXT("last"), TEXT("k99999")}, bSuccess);
	TestTrue(TEXT("Success"), bSuccess);
	TestStringArrayEqual(*this, TEXT("Values"), Values, {TEXT("1"), TEXT("[true]"), Filler});
	return true;
}

bool FZOVAJsonToArrayTest::RunTest(const FString& Parameters)
{
	TArray<FString> Values = {TEXT("stale")};
	TestTrue(TEXT("An array splits"), UZOVABlueprintFunctionLibrary::OnJsonToArray(TEXT(" [\"a\", 2.0, false, null, {\"k\": [ ]}, [1]] "), Values));
	TestStringArrayEqual(*this, TEXT("Elements"), Values, {TEXT("a"), TEXT("2.0"), TEXT("false"), TEXT(""), TEXT("{\"k\":[]}"), TEXT("[1]")});

	for (const TCHAR* const NotAnArray : {TEXT("{\"a\":1}"), TEXT("[1,")})
	{
		TestFalse(FString::Printf(TEXT("'%s' splits"), NotAnArray), UZOVABlueprintFunctionLibrary::OnJsonToArray(NotAnArray, Values));
		TestEqual(FString::Printf(TEXT("Elements of '%s'"), NotAnArray), Values.Num(), 0);
	}
	return true;
}

bool FZOVAJsonArrayOutTest::RunTest(const FString& Parameters)
{
	const TArray<FString> Array = {TEXT("zero"), TEXT("One")};
	TestEqualSensitive(TEXT("Index 1"), UZOVABlueprintFunctionLibrary::OnArrayOut(Array, 1), TEXT("One"));
	TestEqualSensitive(TEXT("Index 2"), UZOVABlueprintFunctionLibrary::OnArrayOut(Array, 2), TEXT(""));
	TestEqualSensitive(TEXT("Index -1"), UZOVABlueprintFunctionLibrary::OnArrayOut(Array, -1), TEXT(""));
	TestEqualSensitive(TEXT("An empty array"), UZOVABlueprintFunctionLibrary::OnArrayOut(TArray<FString>(), 0), TEXT(""));
	return true;
}

bool FZOVAJsonCreateObjectTest::RunTest(const FString& Parameters)
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
	TestTrue(TEXT("Created"), UZOVABlueprintFunctionLibrary::OnCreateJson(Map, Json));
	TestEqualSensitive(TEXT("Object"), Json, TEXT("{\"name\":\"张三\",\"age\":\"30\",\"flag\":\"true\",\"profile\":{\"level\":3,\"big\":12345678901234567890},")
		TEXT("\"list\":[1,\"a\"],\"broken\":\"{\\\"a\\\":\",\"quote\":\"say \\\"hi\\\"\\n\\\\\",\"\":\"\"}"));

	TestTrue(TEXT("Created from nothing"), UZOVABlueprintFunctionLibrary::OnCreateJson(TMap<FString, FString>(), Json));
	TestEqualSensitive(TEXT("Empty object"), Json, TEXT("{}"));
	return true;
}

bool FZOVAJsonCreateArrayTest::RunTest(const FString& Parameters)
{
	FString Json;
	TestTrue(TEXT("Created"), UZOVABlueprintFunctionLibrary::OnCreateJsonArray({TEXT("b"), TEXT(""), TEXT("{}"), TEXT("[[]]"), TEXT("A")}, Json));
	TestEqualSensitive(TEXT("Array"), Json, TEXT("[\"b\",\"\",{},[[]],\"A\"]"));
	TestTrue(TEXT("Created from nothing"), UZOVABlueprintFunctionLibrary::OnCreateJsonArray(TArray<FString>(), Json));
	TestEqualSensitive(TEXT("Empty array"), Json, TEXT("[]"));
	return true;
}

bool FZOVAJsonCreateReadBackTest::RunTest(const FString& Parameters)
{
	TMap<FString, FString> Map;
	Map.Add(TEXT("a"), TEXT("1"));
	Map.Add(TEXT("nested"), TEXT("{\"b\":[\"c\"]}"));
	Map.Add(TEXT("text"), TEXT("中文, \"quoted\""));
	FString Json;
	UTEST_TRUE(TEXT("Created"), UZOVABlueprintFunctionLibrary::OnCreateJson(Map, Json));
	bool bSuccess = false;
	const TArray<FString> Values = Analyze(*this, Json, {TEXT("text"), TEXT("/nested/b/0"), TEXT("a")}, bSuccess);
	TestTrue(TEXT("Success"), bSuccess);
	TestStringArrayEqual(*this, TEXT("Values"), Values, {TEXT("中文, \"quoted\""), TEXT("c"), TEXT("1")});
	return true;
}

#endif
