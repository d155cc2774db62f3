#include "ReflectionTestTypes.h"

#include "CoreUObject.h"
#include "LogCapture.h"
#include "UObject/TextExportImport.h"

#include <gtest/gtest.h>

class FTextExportTest : public testing::Test
{
protected:
	void SetUp() override
	{
		Package = CreatePackage(TEXT("/Temp/TextExportTest"));
		Package->AddToRoot();
	}

	void TearDown() override
	{
		Package->RemoveFromRoot();
		CollectGarbage();
	}

	UTestReflected* MakeFilledObject()
	{
		UTestReflected* Source = NewObject<UTestReflected>(Package, TEXT("Source"));
		Source->Names = {TEXT("plain"), TEXT("with \"quotes\" and \\ and ,()"), TEXT("中文"), TEXT("")};
		Source->Pairs.Add(TEXT("Key 0"), TEXT("line\nbreak"));
		Source->Pairs.Add(TEXT("二"), TEXT("value"));
		Source->Mood = ETestMood::E_Angry;
		Source->Pair.Label = TEXT("label");
		Source->Pair.Count = -42;
		Source->Title = NSLOCTEXT("ZOVA_Json", "Json Analyze", "Json Analyze");
		Source->bEnabled = true;
		Source->Scratch = 99;
		Source->SetNumInputs(3);
		Source->GetPinNames() = {TEXT("name"), TEXT("/address/city")};
		UTestReflected* Inner = NewObject<UTestReflected>(Source, TEXT("Inner"));
		Inner->Other = Source;
		Source->Other = Inner;
		Source->Children.Add(Package);
		return Source;
	}

	UPackage* Package = nullptr;
};

TEST_F(FTextExportTest, DuplicateCopiesEveryPropertyAndRedirectsInnerReferences)
{
	UTestReflected* Source = MakeFilledObject();
	UTestReflected* Copy = DuplicateObject(Source, Package, TEXT("Copy"));
	ASSERT_NE(Copy, nullptr);
	EXPECT_EQ(Copy->GetName(), TEXT("Copy"));
	EXPECT_EQ(Copy->Names, Source->Names);
	EXPECT_TRUE(Copy->Pairs.OrderIndependentCompareEqual(Source->Pairs));
	EXPECT_EQ(Copy->Mood, ETestMood::E_Angry);
	EXPECT_EQ(Copy->Pair.Label, TEXT("label"));
	EXPECT_EQ(Copy->Pair.Count, -42);
	EXPECT_TRUE(Copy->Title.IdenticalTo(Source->Title));
	EXPECT_TRUE(Copy->bEnabled);
	EXPECT_EQ(Copy->GetNumInputs(), 3);
	EXPECT_EQ(Copy->GetPinNames(), Source->GetPinNames());
	EXPECT_EQ(Copy->Scratch, 0) << "transient properties are not copied";

	UTestReflected* CopiedInner = Cast<UTestReflected>(Copy->Other);
	ASSERT_NE(CopiedInner, nullptr);
	EXPECT_NE(CopiedInner, Source->Other.Get());
	EXPECT_EQ(CopiedInner->GetOuter(), Copy);
	EXPECT_EQ(CopiedInner->Other.Get(), Copy);
	ASSERT_EQ(Copy->Children.Num(), 1);
	EXPECT_EQ(Copy->Children[0].Get(), Package) << "references outside the copied objects stay as they are";
}

TEST_F(FTextExportTest, ExportedTextImportsIntoAnotherOuter)
{
	UTestReflected* Source = MakeFilledObject();
	FString Text;
	ExportObjectToText(Source, Text);
	EXPECT_TRUE(Text.StartsWith(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"Source\"")));
	EXPECT_FALSE(Text.Contains(TEXT("Scratch=")));

	UPackage* Other = CreatePackage(TEXT("/Temp/TextImportTarget"));
	UTestReflected* Imported = Cast<UTestReflected>(ImportObjectFromText(*Text, Other));
	ASSERT_NE(Imported, nullptr);
	EXPECT_EQ(Imported->GetOuter(), Other);
	EXPECT_EQ(Imported->Names, Source->Names);
	EXPECT_EQ(Imported->GetPinNames(), Source->GetPinNames());
}

TEST_F(FTextExportTest, MalformedTextImportsNothing)
{
	const TCHAR* Cases[] = {
		TEXT(""),
		TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"Unterminated\""),
		TEXT("Begin Object Class=/Script/Nowhere.Missing Name=\"X\"\nEnd Object\n"),
		TEXT("Names=(\"a\")\n"),
	};
	for (const TCHAR* Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case));
		EXPECT_EQ(ImportObjectFromText(Case, Package), nullptr);
	}

	// A bad value leaves the property at its default instead of failing the import.
	UObject* Partial = ImportObjectFromText(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"P\"\n   NumInputs=abc\n   Names=(\"x\"\nEnd Object\n"), Package);
	ASSERT_NE(Partial, nullptr);
	EXPECT_EQ(Cast<UTestReflected>(Partial)->GetNumInputs(), 1);
}

// UE 5.4, 5.8 Engine/Private/UnrealExporter.cpp (ExportProperties): an array property is written one
// line per element, "Name(Index)=Value", only elements that differ from the defaults.
TEST_F(FTextExportTest, ArrayPropertiesAreWrittenOneElementPerLine)
{
	UTestReflected* const Object = NewObject<UTestReflected>(Package, TEXT("Arrays"));
	Object->GetPinNames() = {TEXT("name"), TEXT("a \"quoted\" key")};
	FString Text;
	ExportObjectStateToText(Object, Text);
	EXPECT_NE(Text.Find(TEXT("\n   PinNames(0)=\"name\"\r\n   PinNames(1)=\"a \\\"quoted\\\" key\"\r\n")), INDEX_NONE) << TCHAR_TO_UTF8(*Text);
	EXPECT_EQ(Text.Find(TEXT("PinNames=")), INDEX_NONE);
	// Properties at their defaults are left out, an empty array as well.
	EXPECT_EQ(Text.Find(TEXT(" Names(")), INDEX_NONE);
	EXPECT_EQ(Text.Find(TEXT(" Count=")), INDEX_NONE);

	UTestReflected* const Imported = Cast<UTestReflected>(ImportObjectFromText(*Text, Package, TEXT("ArraysCopy")));
	ASSERT_NE(Imported, nullptr);
	EXPECT_EQ(Imported->GetPinNames(), Object->GetPinNames());
}

TEST_F(FTextExportTest, ArrayLinesSetElementsByIndexAndRemoveThem)
{
	struct FCase
	{
		const TCHAR* Lines;
		TArray<FString> Expected;
	};
	const FCase Cases[] = {
		{TEXT("Names(1)=\"b\"\n   Names(0)=\"a\""), {TEXT("a"), TEXT("b")}},
		// A gap is filled with empty elements, as the array grows to the index.
		{TEXT("Names(2)=\"c\""), {TEXT(""), TEXT(""), TEXT("c")}},
		{TEXT("Names(0)=\"a\"\n   Names(1)=\"b\"\n   Names.RemoveIndex(0)"), {TEXT("b")}},
		{TEXT("Names(0)=\"a\"\n   Names="), {}},
		// A negative or huge index is not a size to grow to, in either bracket.
		{TEXT("Names(-1)=\"a\"\n   Names(99999999)=\"b\"\n   Names[99999998]=\"b\"\n   Names(4294967294)=\"b\""), {}},
	};
	int32 Number = 0;
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Lines));
		const FString Text = FString::Printf(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"A%d\"\n   %s\nEnd Object\n"), ++Number, Case.Lines);
		const UTestReflected* const Imported = Cast<UTestReflected>(ImportObjectFromText(*Text, Package));
		ASSERT_NE(Imported, nullptr);
		EXPECT_EQ(Imported->Names, Case.Expected);
	}
}

// UE 5.4, 5.8 CoreUObject/Private/UObject/Property.cpp (FProperty::ImportSingleProperty): each block
// keeps a list of the properties, with their index, that its lines have set; a later line for the same
// property and index is skipped with the warning "redundant data: <line>". The array operations are
// not in the list, and a line without an index is another entry than index 0.
TEST_F(FTextExportTest, ALaterLineForTheSamePropertyAndIndexIsSkippedWithAWarning)
{
	struct FCase
	{
		const TCHAR* Lines;
		int32 NumInputs;
		TArray<FString> Names;
		TArray<FString> Skipped;
	};
	const FCase Cases[] = {
		{TEXT("NumInputs=3\n   NumInputs=4"), 3, {}, {TEXT("NumInputs=4")}},
		{TEXT("\"NumInputs\"=5\n   numinputs = 6"), 5, {}, {TEXT("numinputs = 6")}},
		{TEXT("Names(0)=\"a\"\n   Names(1)=\"b\"\n   Names[0]=\"c\"\n   Names(1)=\"d\""), 1, {TEXT("a"), TEXT("b")}, {TEXT("Names[0]=\"c\""), TEXT("Names(1)=\"d\"")}},
		// Emptying the array does not free its indices.
		{TEXT("Names(0)=\"a\"\n   Names.Empty()\n   Names(0)=\"b\"\n   Names=(\"c\",\"d\")"), 1, {TEXT("c"), TEXT("d")}, {TEXT("Names(0)=\"b\"")}},
		{TEXT("NumInputs(0)=7\n   NumInputs=8"), 8, {}, {}},
		// The place is taken even when the line assigns nothing, in 5.4 (5.8 takes it only for a line with an '=').
		{TEXT("NumInputs(0)\n   NumInputs[0]=9"), 1, {}, {TEXT("NumInputs[0]=9")}},
	};
	int32 Number = 0;
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Lines));
		const FString Text = FString::Printf(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"R%d\"\r\n   %s\r\nEnd Object\r\n"), ++Number, Case.Lines);
		FLogCapture Log;
		const UTestReflected* const Imported = Cast<UTestReflected>(ImportObjectFromText(*Text, Package));
		ASSERT_NE(Imported, nullptr);
		EXPECT_EQ(Imported->GetNumInputs(), Case.NumInputs);
		EXPECT_EQ(Imported->Names, Case.Names);
		TArray<FString> Expected;
		for (const FString& Skipped : Case.Skipped)
		{
			Expected.Add(TEXT("None: Warning: redundant data: ") + Skipped);
		}
		EXPECT_EQ(Log.Lines, Expected);
	}
}

// UE 5.4, 5.8 Property.cpp (ImportSingleProperty, ReadArrayIndex) and UnrealEd/Private/EditorObject.cpp
// (ImportProperties): forms the editor never writes but reads, "[n]" as well as "(n)" (either bracket
// closes), .Add, .Remove (every equal element), .RemoveIndex, .Empty, in any case, and a line's
// trailing semicolons.
TEST_F(FTextExportTest, ArrayOperationsSquareBracketsAndTrailingSemicolonsAreRead)
{
	struct FCase
	{
		const TCHAR* Lines;
		TArray<FString> Names;
		int32 NumInputs = 1;
	};
	const FCase Cases[] = {
		{TEXT("Names.Add(\"a\")\n   names.add (\"b\")"), {TEXT("a"), TEXT("b")}},
		{TEXT("Names[1]=\"b\"\n   Names(0]=\"a\""), {TEXT("a"), TEXT("b")}},
		{TEXT("Names(0)=\"a\";\n   Names(1)=\"b\" ; ;\n   NumInputs=7;\n   ;"), {TEXT("a"), TEXT("b")}, 7},
		{TEXT("Names(0)=\"a\"\n   Names(1)=\"b\"\n   Names(2)=\"a\"\n   Names.Remove(\"a\")\n   Names.Remove(\"z\")"), {TEXT("b")}},
		{TEXT("Names(0)=\"a\"\n   Names.Empty()\n   Names.Add(\"c\")"), {TEXT("c")}},
		// Empty empties before it looks for its brackets; RemoveIndex removes only once its bracket closes.
		{TEXT("Names(0)=\"a\"\n   Names.Empty"), {}},
		{TEXT("Names(0)=\"a\"\n   Names.RemoveIndex(0"), {TEXT("a")}},
		// An operation the engine does not have, or on a property that is no array, does nothing.
		{TEXT("Names(0)=\"a\"\n   Names.Insert(\"b\")\n   NumInputs.Add(2)"), {TEXT("a")}},
	};
	int32 Number = 0;
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Lines));
		const FString Text = FString::Printf(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"O%d\"\n   %s\nEnd Object\n"), ++Number, Case.Lines);
		const UTestReflected* const Imported = Cast<UTestReflected>(ImportObjectFromText(*Text, Package));
		ASSERT_NE(Imported, nullptr);
		EXPECT_EQ(Imported->Names, Case.Names);
		EXPECT_EQ(Imported->GetNumInputs(), Case.NumInputs);
	}
}

// UE 5.4, 5.8 Engine/Private/UnrealExporter.cpp (EmitBeginObject, EmitEndObject, ExportProperties):
// the Begin Object line ends with LINE_TERMINATOR ("\n" on Linux, "\r\n" on Windows, 5.8
// Core/Public/HAL/Platform.h and Windows/WindowsPlatform.h), every other line with "\r\n".
TEST_F(FTextExportTest, BeginLinesEndWithThePlatformsTerminatorAndEveryOtherLineWithCarriageReturnLineFeed)
{
	UTestReflected* const Source = MakeFilledObject();
	FString Text;
	ExportObjectToText(Source, Text);
	int32 NumBegins = 0;
	int32 NumLines = 0;
	for (int32 Start = 0; Start < Text.Len(); ++NumLines)
	{
		const int32 LineFeed = Text.Find(TEXT("\n"), ESearchCase::CaseSensitive, ESearchDir::FromStart, Start);
		ASSERT_NE(LineFeed, INDEX_NONE) << "the text ends with a line end";
		const bool bCarriageReturn = LineFeed > Start && Text[LineFeed - 1] == '\r';
		const FString Line = Text.Mid(Start, LineFeed - Start - (bCarriageReturn ? 1 : 0));
		const bool bBegin = Line.TrimStart().StartsWith(TEXT("Begin Object "));
		NumBegins += bBegin ? 1 : 0;
		EXPECT_EQ(FString(bCarriageReturn ? TEXT("\r\n") : TEXT("\n")), bBegin ? FString(LINE_TERMINATOR) : FString(TEXT("\r\n"))) << TCHAR_TO_UTF8(*Line);
		Start = LineFeed + 1;
	}
	EXPECT_EQ(NumBegins, 2);
	EXPECT_GT(NumLines, 10);
}

// UE 5.8, Engine/Private/UnrealExporter.cpp: a struct writes only its members that differ from
// the defaults, and a reference is quoted ("/Script/CoreUObject.Class'/Script/...'") in delimited text.
TEST_F(FTextExportTest, StructsWriteChangedMembersAndReferencesAreQuoted)
{
	UTestReflected* const Object = NewObject<UTestReflected>(Package, TEXT("Structs"));
	Object->Pair.Label = TEXT("only the label");
	Object->Other = Package;
	FString Text;
	ExportObjectStateToText(Object, Text);
	EXPECT_NE(Text.Find(TEXT("\n   Pair=(Label=\"only the label\")\r\n")), INDEX_NONE) << TCHAR_TO_UTF8(*Text);
	EXPECT_NE(Text.Find(TEXT("\n   Other=\"/Script/CoreUObject.Package'/Temp/TextExportTest'\"\r\n")), INDEX_NONE) << TCHAR_TO_UTF8(*Text);

	// Members this version does not have are skipped, not refused.
	const UTestReflected* const Imported = Cast<UTestReflected>(ImportObjectFromText(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"S\"\n   Pair=(Label=\"x\",MemberGuid=00000000000000000000000000000001,Nested=(A=\"),\",B=1),Count=7)\nEnd Object\n"), Package));
	ASSERT_NE(Imported, nullptr);
	EXPECT_EQ(Imported->Pair.Label, TEXT("x"));
	EXPECT_EQ(Imported->Pair.Count, 7);
}

TEST_F(FTextExportTest, BlocksParseWithoutRecursionAndNameTheirFirstProblem)
{
	// Nesting far deeper than any stack would allow for one frame per block.
	constexpr int32 Depth = 200000;
	FString Deep;
	for (int32 Index = 0; Index < Depth; ++Index)
	{
		Deep += TEXT("Begin Object Class=/Script/X.Y Name=\"N\"\n");
	}
	for (int32 Index = 0; Index < Depth; ++Index)
	{
		Deep += TEXT("End Object\n");
	}
	FObjectTextBlocks Blocks;
	FString Problem;
	ParseObjectTextBlocks(*Deep, Blocks, &Problem);
	EXPECT_EQ(Blocks.Blocks.Num(), Depth);
	ASSERT_EQ(Blocks.Roots.Num(), 1);
	EXPECT_TRUE(Problem.IsEmpty()) << TCHAR_TO_UTF8(*Problem);

	struct FCase
	{
		const TCHAR* Text;
		const TCHAR* Problem;
	};
	const FCase Cases[] = {
		{TEXT("Begin Object Class=/Script/X.Y Name=\"A\"\r\n   Count=1\r\nEnd Object\r\n"), TEXT("")},
		// "\r\n" is one line end, a lone "\r" one as well.
		{TEXT("Begin Object Class=/Script/X.Y Name=\"A\"\r\n\r\n   Count=1\rprose\r\nEnd Object\r\n"), TEXT("line 4: expected Name=Value, Name(Index)=Value, CustomProperties or End Object")},
		{TEXT("Begin Object Class=/Script/X.Y Name=\"A\"\n   Names.Add(\"a\");\n   Names[1]=\"b\"\n   \"Names\".Remove(\"a\")\n   Names.RemoveIndex (0)\n   Names.Empty()\n   ;\nEnd Object\n"), TEXT("")},
		{TEXT("Begin Object Class=/Script/X.Y Name=\"A\"\n   Names.Insert(\"a\")\nEnd Object\n"), TEXT("line 2: expected Name=Value, Name(Index)=Value, CustomProperties or End Object")},
		{TEXT("Count=1\n"), TEXT("line 1: expected Begin Object Class=... Name=\"...\"")},
		{TEXT("Begin Object Name=\"A\"\nEnd Object\n"), TEXT("line 1: expected Class=/Script/<Module>.<Class> on the Begin Object line")},
		// Inside a block, the editor's second pass over a subobject names no class.
		{TEXT("Begin Object Class=/Script/X.Y Name=\"A\"\n   Begin Object Class=/Script/X.Z Name=\"S\"\n   End Object\n   Begin Object Name=\"S\"\n      Count=1\n   End Object\nEnd Object\n"), TEXT("")},
		{TEXT("Begin Object Class=/Script/X.Y Name=\"A\"\n\n   this is not a property\nEnd Object\n"), TEXT("line 3: expected Name=Value, Name(Index)=Value, CustomProperties or End Object")},
		{TEXT("Begin Object Class=/Script/X.Y Name=\"A\"\n   Count=1\n"), TEXT("line 3: expected End Object for the Begin Object of line 1")},
		{TEXT("End Object\n"), TEXT("line 1: expected Begin Object before End Object")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Text));
		Problem.Reset();
		ParseObjectTextBlocks(Case.Text, Blocks, &Problem);
		EXPECT_EQ(Problem, Case.Problem);
	}
}

// The engine's text removes array elements from the end; text from elsewhere may remove from the front
// again and again, each removal moving every later element. The host honours such removals only while
// the moves stay in proportion to the text, so that any text imports in time in proportion to its size.
TEST_F(FTextExportTest, ArrayRemovalsFromTheEndAreAllHonouredAndFromTheFrontOnlyInProportionToTheText)
{
	constexpr int32 NumElements = 3000;
	FString Elements;
	for (int32 Index = 0; Index < NumElements; ++Index)
	{
		Elements += FString::Printf(TEXT("   Names(%d)=\"e%d\"\n"), Index, Index);
	}
	FString FromTheEnd;
	FString FromTheFront;
	for (int32 Index = NumElements - 1; Index >= 0; --Index)
	{
		FromTheEnd += FString::Printf(TEXT("   Names.RemoveIndex(%d)\n"), Index);
		FromTheFront += TEXT("   Names.RemoveIndex(0)\n");
	}
	// One element dropped from the middle, as a last line.
	FromTheEnd = FromTheEnd.Replace(TEXT("   Names.RemoveIndex(0)\n"), TEXT(""));

	const UTestReflected* const Emptied = Cast<UTestReflected>(ImportObjectFromText(*(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"End\"\n") + Elements + FromTheEnd + TEXT("   Names.RemoveIndex(0)\nEnd Object\n")), Package));
	ASSERT_NE(Emptied, nullptr);
	EXPECT_TRUE(Emptied->Names.IsEmpty()) << Emptied->Names.Num();

	const UTestReflected* const Front = Cast<UTestReflected>(ImportObjectFromText(*(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"Front\"\n") + Elements + FromTheFront + TEXT("End Object\n")), Package));
	ASSERT_NE(Front, nullptr);
	ASSERT_FALSE(Front->Names.IsEmpty());
	EXPECT_LT(Front->Names.Num(), NumElements) << "the first removals are honoured";
	// Whatever is left is the end of the array, in order.
	EXPECT_EQ(Front->Names.Last(), TEXT("e2999"));
	EXPECT_EQ(Front->Names[0], FString::Printf(TEXT("e%d"), NumElements - Front->Names.Num()));

	// ".Remove(Value)" compares every element: the first element's value removed again and again is
	// honoured only in proportion to the text as well.
	FString ByValueFromTheFront;
	for (int32 Index = 0; Index < NumElements; ++Index)
	{
		ByValueFromTheFront += FString::Printf(TEXT("   Names.Remove(\"e%d\")\n"), Index);
	}
	const UTestReflected* const ByValue = Cast<UTestReflected>(ImportObjectFromText(*(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"ByValue\"\n") + Elements + ByValueFromTheFront + TEXT("End Object\n")), Package));
	ASSERT_NE(ByValue, nullptr);
	ASSERT_FALSE(ByValue->Names.IsEmpty());
	EXPECT_LT(ByValue->Names.Num(), NumElements) << "the first removals are honoured";
	EXPECT_EQ(ByValue->Names.Last(), TEXT("e2999"));
	EXPECT_EQ(ByValue->Names[0], FString::Printf(TEXT("e%d"), NumElements - ByValue->Names.Num()));
}

// UE 5.4 Core/Private/Internationalization/TextHistory.cpp (each history's ReadFromBuffer) and Text.cpp,
// 5.8 Text.cpp (FTextStringHelper::ReadFromBuffer, ReadFromBuffer_ComplexText), 5.2 FastDecimalFormat.cpp:
// a text property reads every form the engine writes for texts. Numbers, formats, upper and lower case
// and missing string table entries show what the engine shows; a percentage, a currency or a date shows
// its form as written, which the host does not compute. Written again, a generated text gives its form back.
TEST_F(FTextExportTest, EveryTextFormTheEngineWritesIsReadToTheTextItShows)
{
	struct FCase
	{
		const TCHAR* Form;
		const TCHAR* Shown;
	};
	const FCase Cases[] = {
		{TEXT("NSLOCTEXT(\"KismetSchema\", \"Key\", \"It\\'s \\\"here\\\"\")"), TEXT("It's \"here\"")},
		{TEXT("LOCTEXT(\"Key\", \"No namespace\")"), TEXT("No namespace")},
		{TEXT("INVTEXT(TEXT(\"wrapped\\x41\\101\\u00e9\"))"), TEXT("wrappedAA\u00e9")},
		{TEXT("\"plain\\ttext\""), TEXT("plain\ttext")},
		{TEXT("LOCGEN_NUMBER(1234567, \"\")"), TEXT("1,234,567")},
		{TEXT("LOCGEN_NUMBER_UNGROUPED(-1234567, \"en\")"), TEXT("-1234567")},
		{TEXT("LOCGEN_NUMBER_GROUPED(18446744073709551615u, \"\")"), TEXT("18,446,744,073,709,551,615")},
		// Three fraction digits, ties to even, a value within 1e-8 of a tie taken as the tie.
		{TEXT("LOCGEN_NUMBER(-0.0625, \"\")"), TEXT("-0.062")},
		{TEXT("LOCGEN_NUMBER(1.9995, \"\")"), TEXT("2")},
		{TEXT("LOCGEN_NUMBER(2.5f, \"\")"), TEXT("2.5")},
		{TEXT("LOCGEN_NUMBER_CUSTOM(3.14159, SetRoundingMode(ERoundingMode::ToZero).SetMinimumFractionalDigits(2).SetMaximumFractionalDigits(2), \"\")"), TEXT("3.14")},
		{TEXT("LOCGEN_NUMBER_CUSTOM(7, SetAlwaysSign(true).SetUseGrouping(false).SetMinimumIntegralDigits(5), \"\")"), TEXT("+00007")},
		{TEXT("LOCGEN_TOUPPER(NSLOCTEXT(\"\", \"K\", \"Mixed Case\"))"), TEXT("MIXED CASE")},
		{TEXT("LOCGEN_TOLOWER( INVTEXT(\"ABC\") )"), TEXT("abc")},
		// The friendly name the editor gives each pin of a split struct.
		{TEXT("LOCGEN_FORMAT_NAMED(NSLOCTEXT(\"KismetSchema\", \"SplitPinFriendlyNameFormat\", \"{PinDisplayName} {ProtoPinDisplayName}\"), \"PinDisplayName\", NSLOCTEXT(\"\", \"A\", \"Location\"), \"ProtoPinDisplayName\", NSLOCTEXT(\"\", \"B\", \"X\"))"), TEXT("Location X")},
		{TEXT("LOCGEN_FORMAT_NAMED(INVTEXT(\"{Count} for {Who}{Gender}, {Missing}\"), \"Count\", 1500, \"Who\", \"you\", \"Gender\", ETextGender::Feminine)"), TEXT("1,500 for you, {Missing}")},
		{TEXT("LOCGEN_FORMAT_ORDERED(INVTEXT(\"{1}-{0}\"), \"a\", 2.5)"), TEXT("2.5-a")},
		{TEXT("LOCTABLE(\"/Game/Strings/ST_Menu.ST_Menu\", \"Start\")"), TEXT("<MISSING STRING TABLE ENTRY>")},
		{TEXT("LOCGEN_PERCENT(0.5, \"\")"), nullptr},
		{TEXT("LOCGEN_CURRENCY(1234, \"EUR\", \"de\")"), nullptr},
		{TEXT("LOCGEN_DATE_UTC(1700000000, EDateTimeStyle::Medium, \"UTC\", \"en\")"), nullptr},
		{TEXT("LOCGEN_TIME_LOCAL(0, EDateTimeStyle::short, \"\")"), nullptr},
		{TEXT("LOCGEN_DATETIME_UTC(0, EDateTimeStyle::Long, EDateTimeStyle::Full, \"Europe/Paris\", \"\")"), nullptr},
		{TEXT("LOCGEN_DATETIME_CUSTOM_LOCAL(86400, \"%Y-%m-%d\", \"\")"), nullptr},
	};
	int32 Number = 0;
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Form));
		const FString Text = FString::Printf(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"T%d\"\n   Title=%s\nEnd Object\n"), ++Number, Case.Form);
		UTestReflected* const Imported = Cast<UTestReflected>(ImportObjectFromText(*Text, Package));
		ASSERT_NE(Imported, nullptr);
		EXPECT_EQ(Imported->Title.ToString(), FString(Case.Shown ? Case.Shown : Case.Form));

		// Written and read again, it shows the same, and a generated text is written in its own form.
		FString Exported;
		ExportObjectStateToText(Imported, Exported);
		const UTestReflected* const Again = Cast<UTestReflected>(ImportObjectFromText(*Exported, Package));
		ASSERT_NE(Again, nullptr);
		EXPECT_EQ(Again->Title.ToString(), Imported->Title.ToString()) << TCHAR_TO_UTF8(*Exported);
		if (FString(Case.Form).StartsWith(TEXT("LOC")) && !FString(Case.Form).StartsWith(TEXT("LOCTEXT")))
		{
			EXPECT_NE(Exported.Find(FString(TEXT("Title=")) + Case.Form), INDEX_NONE) << TCHAR_TO_UTF8(*Exported);
		}
	}

	const UTestReflected* const Localized = Cast<UTestReflected>(ImportObjectFromText(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"L\"\n   Title=LOCTEXT(\"Key\", \"Source\")\nEnd Object\n"), Package));
	ASSERT_NE(Localized, nullptr);
	EXPECT_EQ(FTextInspector::GetNamespace(Localized->Title).Get(TEXT("unset")), TEXT(""));
	EXPECT_EQ(FTextInspector::GetKey(Localized->Title).Get(TEXT("unset")), TEXT("Key"));
}

// UE 5.4 TextHistory.cpp: a marker is matched as written, and a form that starts like one but does not
// read is no text; the property keeps what it had. Texts nested in texts are read by recursion, in the
// engine without a limit; the host stops at 64 levels.
TEST_F(FTextExportTest, TextFormsThatDoNotReadLeaveTheTextAsItWas)
{
	const auto Nest = [](int32 NumLevels)
	{
		FString Nested = TEXT("INVTEXT(\"a\")");
		for (int32 Level = 1; Level < NumLevels; ++Level)
		{
			Nested = TEXT("LOCGEN_TOUPPER(") + Nested + TEXT(")");
		}
		return Nested;
	};
	const FString Cases[] = {
		TEXT("nsloctext(\"a\", \"b\", \"c\")"),
		TEXT("NSLOCTEXT(\"a\", \"b\")"),
		TEXT("LOCGEN_NUMBER(12)"),
		TEXT("LOCGEN_NUMBERS(12, \"\")"),
		TEXT("LOCGEN_NUMBER(twelve, \"\")"),
		TEXT("LOCGEN_NUMBER_CUSTOM(1, SetUseGrouping(maybe), \"\")"),
		TEXT("LOCGEN_DATE(0, EDateTimeStyle::Short, \"\")"),
		TEXT("LOCGEN_DATE_UTC(0, EDateTimeStyle::Sometime, \"UTC\", \"\")"),
		TEXT("LOCGEN_FORMAT_NAMED(INVTEXT(\"{A}\"), \"A\")"),
		TEXT("LOCGEN_TOUPPER(plain)"),
		TEXT("INVTEXT(\"line\nbreak\")"),
		Nest(65),
	};
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Cases); ++Index)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Cases[Index].Left(120)));
		const FString Text = FString::Printf(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"F%d\"\r\n   Title=%s\r\nEnd Object\r\n"), Index, *Cases[Index]);
		const UTestReflected* const Imported = Cast<UTestReflected>(ImportObjectFromText(*Text, Package));
		ASSERT_NE(Imported, nullptr);
		EXPECT_TRUE(Imported->Title.IsEmpty()) << TCHAR_TO_UTF8(*Imported->Title.ToString());
	}
	const UTestReflected* const Nested = Cast<UTestReflected>(ImportObjectFromText(*FString::Printf(TEXT("Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"N\"\n   Title=%s\nEnd Object\n"), *Nest(64)), Package));
	ASSERT_NE(Nested, nullptr);
	EXPECT_EQ(Nested->Title.ToString(), TEXT("A"));
}

// UE 5.4 UnrealEd/Private/EditorObject.cpp (ImportProperties): a block inside another without a class
// reads into the subobject of its name, which an earlier block declared.
TEST_F(FTextExportTest, AnInnerBlockWithoutAClassReadsIntoTheSubobjectDeclaredBefore)
{
	const UTestReflected* const Imported = Cast<UTestReflected>(ImportObjectFromText(TEXT(
		"Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"Outer\"\n"
		"   Begin Object Class=/Script/CoreUObjectTests.TestReflected Name=\"Inner\"\n"
		"   End Object\n"
		"   Begin Object Name=\"Inner\"\n"
		"      Names(0)=\"defined\"\n"
		"   End Object\n"
		"   Names(0)=\"outer\"\n"
		"End Object\n"), Package));
	ASSERT_NE(Imported, nullptr);
	EXPECT_EQ(Imported->Names, TArray<FString>({TEXT("outer")}));
	const UTestReflected* const Inner = Cast<UTestReflected>(StaticFindObjectFast(nullptr, const_cast<UTestReflected*>(Imported), TEXT("Inner")));
	ASSERT_NE(Inner, nullptr);
	EXPECT_EQ(Inner->Names, TArray<FString>({TEXT("defined")}));
}
