#include "ReflectionTestTypes.h"

#include "CoreUObject.h"
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
