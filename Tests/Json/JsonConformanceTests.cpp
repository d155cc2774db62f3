#include "Containers/StringConv.h"
#include "Dom/JsonValue.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

// The public JSONTestSuite parsing cases: y_ files must be read, n_ files refused, i_ files (where
// parsers may differ) only have to finish.
class FJsonConformanceTest : public testing::Test
{
protected:
	/** The suite's files whose names start with Prefix, sorted. */
	static std::vector<std::filesystem::path> Files(const std::string& Prefix)
	{
		std::vector<std::filesystem::path> Result;
		for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(ZOVA_SHARED_DIR "/testdata/JSONTestSuite/test_parsing"))
		{
			if (Entry.path().filename().string().rfind(Prefix, 0) == 0)
			{
				Result.push_back(Entry.path());
			}
		}
		std::sort(Result.begin(), Result.end());
		return Result;
	}

	/** Reads the file as UTF-8, as FFileHelper would, and parses it with the value overload. */
	static bool Parses(const std::filesystem::path& File)
	{
		std::ifstream Stream(File, std::ios::binary);
		const std::string Bytes((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
		const FUTF8ToTCHAR Converted(Bytes.data(), (int32)Bytes.size());
		TSharedPtr<FJsonValue> Value;
		return FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(FString::ConstructFromPtrSize(Converted.Get(), Converted.Length())), Value);
	}
};

TEST_F(FJsonConformanceTest, AcceptsEveryValidDocument)
{
	const std::vector<std::filesystem::path> Valid = Files("y_");
	EXPECT_EQ(Valid.size(), 95u);
	for (const std::filesystem::path& File : Valid)
	{
		SCOPED_TRACE(File.filename().string());
		EXPECT_TRUE(Parses(File));
	}
}

TEST_F(FJsonConformanceTest, RefusesEveryInvalidDocument)
{
	// Documents that are only invalid as bytes; decoding them to text first makes them valid JSON.
	const std::set<std::string> ValidAsText = {
		// A zero byte ends the text when it is decoded, leaving "123".
		"n_multidigit_number_then_00.json",
	};
	const std::vector<std::filesystem::path> Invalid = Files("n_");
	EXPECT_EQ(Invalid.size(), 188u);
	for (const std::filesystem::path& File : Invalid)
	{
		SCOPED_TRACE(File.filename().string());
		EXPECT_NE(Parses(File), !ValidAsText.contains(File.filename().string()));
	}
}

TEST_F(FJsonConformanceTest, FinishesEveryUndecidedDocument)
{
	// Where the suite leaves the choice open: escaped surrogates that do not pair up are refused, and
	// 500 levels are within the nesting bound.
	const std::map<std::string, bool> Decided = {
		{"i_string_1st_surrogate_but_2nd_missing.json", false},
		{"i_string_invalid_lonely_surrogate.json", false},
		{"i_string_lone_second_surrogate.json", false},
		{"i_string_incomplete_surrogate_pair.json", false},
		{"i_string_inverted_surrogates_U+1D11E.json", false},
		{"i_object_key_lone_2nd_surrogate.json", false},
		{"i_structure_500_nested_arrays.json", true},
	};
	const std::vector<std::filesystem::path> Undecided = Files("i_");
	EXPECT_EQ(Undecided.size(), 35u);
	for (const std::filesystem::path& File : Undecided)
	{
		SCOPED_TRACE(File.filename().string());
		const bool bParsed = Parses(File);
		const std::map<std::string, bool>::const_iterator Found = Decided.find(File.filename().string());
		if (Found != Decided.end())
		{
			EXPECT_EQ(bParsed, Found->second);
		}
	}
}
