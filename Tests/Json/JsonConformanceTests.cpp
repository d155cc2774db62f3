#include "Dom/JsonValue.h"
#include "Misc/FileHelper.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

// The public JSONTestSuite parsing cases, each read as the engine reads a file and parsed with the
// value overload. The expected outcome is the engine reader's: y_ files read and n_ files refused,
// except where JsonTestSuiteOutcomes.txt says otherwise, and every i_ file as that table says. Each
// case runs in a process of its own, since for some text the engine fails an assertion.
class FJsonConformanceTest : public testing::Test
{
protected:
	enum class EOutcome
	{
		Accept,
		Reject,
		Assert
	};

	struct FOutcome
	{
		EOutcome Outcome = EOutcome::Reject;
		std::string Reason;
	};

	static std::filesystem::path SuiteDirectory()
	{
		return ZOVA_SHARED_DIR "/testdata/JSONTestSuite/test_parsing";
	}

	/** The table: one "file accept|reject|assert reason" line per case; '#' starts a comment line. */
	static std::map<std::string, FOutcome> Table()
	{
		std::map<std::string, FOutcome> Result;
		std::ifstream Stream(ZOVA_SOURCE_DIR "/Tests/Json/JsonTestSuiteOutcomes.txt");
		EXPECT_TRUE(Stream.is_open());
		std::string Line;
		while (std::getline(Stream, Line))
		{
			if (Line.empty() || Line[0] == '#')
			{
				continue;
			}
			std::istringstream Fields(Line);
			std::string File;
			std::string Outcome;
			FOutcome Entry;
			Fields >> File >> Outcome;
			std::getline(Fields >> std::ws, Entry.Reason);
			EXPECT_TRUE(Outcome == "accept" || Outcome == "reject" || Outcome == "assert") << Line;
			EXPECT_FALSE(Entry.Reason.empty()) << "every entry says why: " << Line;
			EXPECT_FALSE(Result.contains(File)) << "listed twice: " << File;
			Entry.Outcome = Outcome == "accept" ? EOutcome::Accept : Outcome == "assert" ? EOutcome::Assert : EOutcome::Reject;
			Result[File] = Entry;
		}
		return Result;
	}

	/** Reads the file as FFileHelper::LoadFileToString does, then parses it. */
	static bool Parses(const std::filesystem::path& File)
	{
		FString Text;
		EXPECT_TRUE(FFileHelper::LoadFileToString(Text, *FString(File.string().c_str())));
		TSharedPtr<FJsonValue> Value;
		return FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(MoveTemp(Text)), Value);
	}
};

TEST_F(FJsonConformanceTest, EveryCaseEndsAsInTheEngine)
{
	const std::map<std::string, FOutcome> Table = FJsonConformanceTest::Table();
	int32 Cases = 0;
	for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(SuiteDirectory()))
	{
		const std::string File = Entry.path().filename().string();
		SCOPED_TRACE(File);
		++Cases;
		const std::map<std::string, FOutcome>::const_iterator Listed = Table.find(File);
		if (File.starts_with("i_"))
		{
			EXPECT_NE(Listed, Table.end()) << "the table decides every i_ case";
		}
		const EOutcome Expected = Listed != Table.end() ? Listed->second.Outcome : File.starts_with("y_") ? EOutcome::Accept : EOutcome::Reject;
		if (Expected == EOutcome::Assert)
		{
			EXPECT_DEATH(Parses(Entry.path()), "escape sequence");
		}
		else
		{
			EXPECT_EXIT(std::_Exit(Parses(Entry.path()) ? 0 : 1), testing::ExitedWithCode(Expected == EOutcome::Accept ? 0 : 1), "")
				<< (Expected == EOutcome::Accept ? "the engine reads it" : "the engine refuses it");
		}
	}
	EXPECT_EQ(Cases, 318);

	for (const std::pair<const std::string, FOutcome>& Listed : Table)
	{
		EXPECT_TRUE(std::filesystem::exists(SuiteDirectory() / Listed.first)) << "no such case: " << Listed.first;
	}
}
