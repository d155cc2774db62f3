#include "ZovaToolTestSupport.h"

#include <vector>

using namespace ZovaToolTest;

namespace
{
	const char* const Commands[] = {"nodes", "json to-array", "json analyze", "json create", "json array", "http get", "http post-json", "http post-form", "launcher pack", "launcher read", "demo", "graph run"};

	std::vector<std::string> SplitWords(const std::string& Text)
	{
		std::vector<std::string> Words;
		std::string Word;
		bool bInWord = false;
		bool bQuoted = false;
		for (const char Character : Text)
		{
			if (Character == '\'')
			{
				bQuoted = !bQuoted;
				bInWord = true;
			}
			else if (Character == ' ' && !bQuoted)
			{
				if (bInWord)
				{
					Words.push_back(Word);
				}
				Word.clear();
				bInWord = false;
			}
			else
			{
				Word += Character;
				bInWord = true;
			}
		}
		if (bInWord)
		{
			Words.push_back(Word);
		}
		return Words;
	}

	/** The example of a help text: the words after "  $ zova", and the lines printed below them. */
	struct FHelpExample
	{
		std::vector<std::string> Words;
		std::vector<std::string> Output;
	};

	FHelpExample ReadExample(const std::string& Help)
	{
		FHelpExample Example;
		const size_t Start = Help.find("\n  $ zova ", Help.find("Example"));
		if (Help.find("Example") == std::string::npos || Start == std::string::npos)
		{
			return Example;
		}
		std::vector<std::string> Lines;
		size_t Position = Start + 1;
		while (Position < Help.size())
		{
			const size_t End = Help.find('\n', Position);
			const std::string Line = Help.substr(Position, End == std::string::npos ? std::string::npos : End - Position);
			if (Line.rfind("  ", 0) != 0)
			{
				break;
			}
			Lines.push_back(Line.substr(2));
			Position = End == std::string::npos ? Help.size() : End + 1;
		}
		Example.Words = SplitWords(Lines[0].substr(std::string("$ zova ").size()));
		Example.Output.assign(Lines.begin() + 1, Lines.end());
		return Example;
	}

	std::vector<std::string> Utf8Lines(const FZovaRun& Run)
	{
		std::vector<std::string> Result;
		for (const FString& Line : Lines(Run))
		{
			Result.push_back(Utf8(Line));
		}
		return Result;
	}

	std::vector<std::string> CommandWords(const char* Command)
	{
		return SplitWords(Command);
	}
}

TEST(ZovaHelpTest, ZovaAloneIsOneLineOnStandardErrorWithStatusTwo)
{
	const FZovaRun Run = RunZova(std::vector<std::string>());
	ExpectUsageError(Run);
	EXPECT_NE(Run.StdErr.find("zova --help"), std::string::npos) << Run.StdErr;
}

TEST(ZovaHelpTest, TheOverviewListsEveryCommand)
{
	for (const std::vector<std::string>& Words : std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}})
	{
		SCOPED_TRACE(Words[0]);
		const FZovaRun Run = RunZova(Words);
		EXPECT_EQ(Run.ExitStatus, 0);
		EXPECT_TRUE(Run.StdErr.empty()) << Run.StdErr;
		for (const char* Command : Commands)
		{
			EXPECT_NE(Utf8(Run.StdOut).find(std::string("  ") + Command + " "), std::string::npos) << Command;
		}
	}
}

TEST(ZovaHelpTest, AGroupShowsItsOwnCommandsOnly)
{
	for (const std::vector<std::string>& Words : std::vector<std::vector<std::string>>{{"json"}, {"help", "json"}, {"json", "--help"}})
	{
		SCOPED_TRACE(Words.size());
		const FZovaRun Run = RunZova(Words);
		EXPECT_EQ(Run.ExitStatus, 0) << Run.StdErr;
		const std::string Out = Utf8(Run.StdOut);
		for (const char* Command : {"to-array", "analyze", "create", "array"})
		{
			EXPECT_NE(Out.find(std::string("zova json ") + Command + " "), std::string::npos) << Command;
		}
		EXPECT_EQ(Out.find("zova http"), std::string::npos);
		EXPECT_EQ(Out.find("zova launcher"), std::string::npos);
	}
}

TEST(ZovaHelpTest, EveryCommandHasItsHelpWithAnExample)
{
	for (const char* Command : Commands)
	{
		SCOPED_TRACE(Command);
		std::vector<std::string> Asked = {"help"};
		const std::vector<std::string> Words = CommandWords(Command);
		Asked.insert(Asked.end(), Words.begin(), Words.end());
		const FZovaRun ByHelp = RunZova(Asked);
		std::vector<std::string> WithFlag = Words;
		WithFlag.push_back("--help");
		const FZovaRun ByFlag = RunZova(WithFlag);

		EXPECT_EQ(ByHelp.ExitStatus, 0);
		EXPECT_EQ(Utf8(ByHelp.StdOut), Utf8(ByFlag.StdOut));
		EXPECT_EQ(Utf8(ByHelp.StdOut).rfind(std::string("Usage: zova ") + Command, 0), 0u) << Utf8(ByHelp.StdOut);
		EXPECT_FALSE(ReadExample(Utf8(ByHelp.StdOut)).Words.empty()) << "no example";
	}
}

TEST(ZovaHelpTest, UnknownCommandsAreNamedInTheError)
{
	const std::pair<std::vector<std::string>, const char*> Cases[] = {
		{{"json", "parse", "{}"}, "\"json parse\""},
		{{"bogus"}, "\"bogus\""},
		{{"help", "launcher", "unpack"}, "\"launcher unpack\""},
		{{"launcher", "--json"}, "\"launcher\""},
	};
	for (const auto& [Words, Named] : Cases)
	{
		SCOPED_TRACE(Named);
		const FZovaRun Run = RunZova(Words);
		ExpectUsageError(Run);
		EXPECT_NE(Run.StdErr.find(Named), std::string::npos) << Run.StdErr;
	}
}

TEST(ZovaHelpTest, JsonExamplesPrintWhatTheToolPrints)
{
	for (const char* Command : {"json to-array", "json analyze", "json create", "json array"})
	{
		SCOPED_TRACE(Command);
		std::vector<std::string> Asked = CommandWords(Command);
		Asked.push_back("--help");
		const FHelpExample Example = ReadExample(Utf8(RunZova(Asked).StdOut));
		ASSERT_FALSE(Example.Words.empty());
		const FZovaRun Run = RunZova(Example.Words);
		EXPECT_EQ(Run.ExitStatus, 0) << Run.StdErr;
		EXPECT_EQ(Utf8Lines(Run), Example.Output);
	}
}
