#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "NodePicture.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ScopedTempDirectory.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace
{
	const char* const CommittedFolder = ZOVA_SOURCE_DIR "/docs/nodes";

	std::string ReadFile(const std::filesystem::path& Path)
	{
		std::ifstream Stream(Path, std::ios::binary);
		return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
	}

	/** The SVG files of a folder by name, with their contents; none when there is no folder. */
	std::map<std::string, std::string> ReadPictures(const std::filesystem::path& Folder)
	{
		std::map<std::string, std::string> Pictures;
		if (!std::filesystem::is_directory(Folder))
		{
			return Pictures;
		}
		for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(Folder))
		{
			if (Entry.path().extension() == ".svg")
			{
				Pictures[Entry.path().filename().string()] = ReadFile(Entry.path());
			}
		}
		return Pictures;
	}

	struct FRendering
	{
		int ExitStatus = -1;
		std::string Errors;
	};

	/** Renders the picture to a PNG with librsvg's rsvg-convert, as a viewer would. */
	FRendering RenderToPng(const std::string& SvgPath, const std::string& PngPath, const std::string& ErrorPath)
	{
		posix_spawn_file_actions_t Actions;
		posix_spawn_file_actions_init(&Actions);
		posix_spawn_file_actions_addopen(&Actions, STDERR_FILENO, ErrorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
		std::string Program = "rsvg-convert";
		std::string OutputFlag = "--output";
		std::string Output = PngPath;
		std::string Input = SvgPath;
		char* const Arguments[] = {Program.data(), OutputFlag.data(), Output.data(), Input.data(), nullptr};
		pid_t Pid = -1;
		FRendering Rendering;
		if (posix_spawnp(&Pid, Program.c_str(), &Actions, nullptr, Arguments, environ) == 0)
		{
			int Status = 0;
			waitpid(Pid, &Status, 0);
			Rendering.ExitStatus = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
		}
		posix_spawn_file_actions_destroy(&Actions);
		Rendering.Errors = ReadFile(ErrorPath);
		return Rendering;
	}

	class FNodePictureFileTest : public testing::Test
	{
	protected:
		/** Draws the pictures with the tool into a fresh folder; the test fails when the tool does. */
		std::map<std::string, std::string> Regenerate()
		{
			const FZovaRun Run = RunZova({"nodes", "--svg", TCHAR_TO_UTF8(*Folder.GetPath())});
			EXPECT_EQ(Run.ExitStatus, 0) << Run.StdErr;
			return ReadPictures(TCHAR_TO_UTF8(*Folder.GetPath()));
		}

		FScopedTempDirectory Folder;
	};
}

TEST_F(FNodePictureFileTest, TheCommittedPicturesAreTheOnesTheToolDrawsNow)
{
	const std::map<std::string, std::string> Drawn = Regenerate();
	const std::map<std::string, std::string> Committed = ReadPictures(CommittedFolder);
	ASSERT_FALSE(Drawn.empty());
	std::set<std::string> DrawnNames;
	std::set<std::string> CommittedNames;
	for (const auto& [Name, Svg] : Drawn)
	{
		DrawnNames.insert(Name);
	}
	for (const auto& [Name, Svg] : Committed)
	{
		CommittedNames.insert(Name);
	}
	ASSERT_EQ(DrawnNames, CommittedNames) << "regenerate docs/nodes with: Build/dev/Binaries/zova nodes --svg docs/nodes";
	for (const auto& [Name, Svg] : Drawn)
	{
		EXPECT_TRUE(Svg == Committed.at(Name)) << "docs/nodes/" << Name << " is stale; regenerate with: Build/dev/Binaries/zova nodes --svg docs/nodes";
	}
}

TEST_F(FNodePictureFileTest, EveryPictureIsAWellFormedDrawingOfItsNodeThatRsvgRendersWithoutErrors)
{
	const std::map<std::string, std::string> Drawn = Regenerate();
	ASSERT_EQ(Drawn.size(), 9u) << "seven nodes and the two keyed nodes again with keys";
	for (const auto& [Name, Svg] : Drawn)
	{
		SCOPED_TRACE(Name);
		FPicture Picture;
		std::string Error;
		ASSERT_TRUE(ReadPicture(Svg, Picture, Error)) << Error;
		EXPECT_FALSE(Picture.Title.empty());
		EXPECT_GT(Picture.Node.Width, 0.0);
		EXPECT_TRUE(Picture.Node.X > 0.0 && Picture.Node.Right() < Picture.Width && Picture.Node.Bottom() < Picture.Height) << "the node lies inside the picture with a margin";

		const std::string SvgPath = TCHAR_TO_UTF8(*Folder.GetPath()) + Name;
		const std::string PngPath = SvgPath + ".png";
		const FRendering Rendering = RenderToPng(SvgPath, PngPath, SvgPath + ".errors");
		EXPECT_EQ(Rendering.ExitStatus, 0) << "is rsvg-convert (librsvg2-bin) installed? Scripts/Setup.sh installs it";
		EXPECT_EQ(Rendering.Errors, "");
		const std::string Png = ReadFile(PngPath);
		EXPECT_EQ(Png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
	}
}

TEST_F(FNodePictureFileTest, JsonNamesEveryPictureWritten)
{
	const FZovaRun Run = RunZova({"nodes", "--svg", TCHAR_TO_UTF8(*Folder.GetPath()), "--json"});
	ASSERT_EQ(Run.ExitStatus, 0) << Run.StdErr;
	TSharedPtr<FJsonObject> Object;
	ASSERT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Run.StdOut), Object)) << TCHAR_TO_UTF8(*Run.StdOut);
	EXPECT_EQ(Object->Values.Num(), 1) << "only the pictures";
	const TArray<TSharedPtr<FJsonValue>>* Paths = nullptr;
	ASSERT_TRUE(Object->TryGetArrayField(TEXT("pictures"), Paths));
	std::set<std::string> Listed;
	for (const TSharedPtr<FJsonValue>& Path : *Paths)
	{
		Listed.insert(TCHAR_TO_UTF8(*Path->AsString()));
	}
	std::set<std::string> Written;
	for (const auto& [Name, Svg] : ReadPictures(TCHAR_TO_UTF8(*Folder.GetPath())))
	{
		Written.insert(TCHAR_TO_UTF8(*Folder.GetPath()) + Name);
	}
	EXPECT_EQ(Listed, Written);
}
