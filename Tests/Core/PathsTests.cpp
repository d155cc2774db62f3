#include "CoreMinimal.h"
#include "HAL/PlatformProcess.h"
#include "Misc/Paths.h"
#include "ExactText.h"
#include "ScopedTempDirectory.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
	class FPathsTest : public ::testing::Test
	{
	protected:
		struct FConversionCase
		{
			const TCHAR* Input;
			FString Expected;
		};

		/** The parent folder of the binaries folder, with a trailing '/'. */
		static FString BaseDirParent()
		{
			const FString BaseDir = FPlatformProcess::BaseDir();
			return FPaths::GetPath(FPaths::GetPath(BaseDir)) + TEXT("/");
		}
	};
}

// UE5, Core/Private/GenericPlatform/GenericPlatformMisc.cpp
TEST_F(FPathsTest, BaseDirAndLaunchDirAreFoldersWithTrailingSlash)
{
	const FString BaseDir = FPlatformProcess::BaseDir();
	EXPECT_TRUE(BaseDir.StartsWith(TEXT("/")));
	EXPECT_TRUE(BaseDir.EndsWith(TEXT("/")));
	EXPECT_TRUE(FPaths::FileExists(BaseDir + TEXT("CoreTests")));

	const FString LaunchDir = FPaths::LaunchDir();
	EXPECT_TRUE(LaunchDir.EndsWith(TEXT("/")));
	EXPECT_TRUE(FPaths::DirectoryExists(LaunchDir));
}

// UE 5.4 and 5.8, Core/Private/Misc/Paths.cpp: the project's folder plus "Saved/", kept from the first call.
TEST_F(FPathsTest, ProjectSavedDirIsTheSavedFolderBesideTheBinariesFolder)
{
	EXPECT_EQ(ExactText(FPaths::ProjectSavedDir()), u"../Saved/");
	EXPECT_EQ(&FPaths::ProjectSavedDir(), &FPaths::ProjectSavedDir());
	const FString BuildDir = FPaths::GetPath(FPaths::GetPath(FPlatformProcess::BaseDir()));
	EXPECT_EQ(ExactText(FPaths::ConvertRelativePathToFull(FPaths::ProjectSavedDir())), ExactText(BuildDir + TEXT("/Saved/")));
}

// UE5, Core/Private/GenericPlatform/GenericPlatformMisc.cpp
TEST_F(FPathsTest, LaunchDirStaysWhereTheProcessStarted)
{
	const FString Before = FPaths::LaunchDir();
	char Previous[4096];
	ASSERT_NE(getcwd(Previous, sizeof(Previous)), nullptr);
	const FScopedTempDirectory Elsewhere;
	ASSERT_EQ(chdir(TCHAR_TO_UTF8(*Elsewhere.GetPath())), 0);
	const FString After = FPaths::LaunchDir();
	ASSERT_EQ(chdir(Previous), 0);
	EXPECT_EQ(ExactText(After), ExactText(Before));
}

// UE5, Core/Private/Misc/Paths.cpp
TEST_F(FPathsTest, ConvertRelativePathToFullResolvesAgainstTheBinariesFolder)
{
	const FString BaseDir = FPlatformProcess::BaseDir();
	const FConversionCase Cases[] = {
		{TEXT("Sub/File.txt"), BaseDir + TEXT("Sub/File.txt")},
		{TEXT("Sub\\Deeper\\File.txt"), BaseDir + TEXT("Sub/Deeper/File.txt")},
		{TEXT("./Sub/./File.txt"), BaseDir + TEXT("Sub/File.txt")},
		{TEXT("../Data/x.json"), BaseDirParent() + TEXT("Data/x.json")},
		{TEXT("..\\Data\\"), BaseDirParent() + TEXT("Data/")},
		{TEXT(""), BaseDir},
		{TEXT("/abs/a/../b/./c/"), TEXT("/abs/b/c/")},
		{TEXT("/abs\\mixed/seps\\file"), TEXT("/abs/mixed/seps/file")},
		{TEXT("/abs/one/two/../../three"), TEXT("/abs/three")},
	};
	for (const FConversionCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Input));
		EXPECT_EQ(ExactText(FPaths::ConvertRelativePathToFull(FString(Case.Input))), ExactText(Case.Expected));
		const FString Input(Case.Input);
		EXPECT_EQ(ExactText(FPaths::ConvertRelativePathToFull(Input)), ExactText(Case.Expected));
	}

	EXPECT_EQ(ExactText(FPaths::ConvertRelativePathToFull(FString(TEXT("/base/dir")), FString(TEXT("x/../y.txt")))), u"/base/dir/y.txt");
	EXPECT_EQ(ExactText(FPaths::ConvertRelativePathToFull(FString(TEXT("C:\\Launcher\\")), FString(TEXT("manage\\TokenKEY.DLK")))), u"C:/Launcher/manage/TokenKEY.DLK");
	EXPECT_EQ(ExactText(FPaths::ConvertRelativePathToFull(FString(TEXT("/base/")), FString(TEXT("/other/file")))), u"/other/file");
	EXPECT_EQ(ExactText(FPaths::ConvertRelativePathToFull(FPaths::LaunchDir())), ExactText(FPaths::LaunchDir()));
}

// UE5, Core/Private/Misc/Paths.cpp
TEST_F(FPathsTest, CollapseRefusesToClimbAboveTheStart)
{
	const TCHAR* const Refused[] = {TEXT("../x"), TEXT("/../x"), TEXT("a/../../x"), TEXT("C:/../x")};
	for (const TCHAR* Text : Refused)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Text));
		FString Path(Text);
		EXPECT_FALSE(FPaths::CollapseRelativeDirectories(Path));
		EXPECT_EQ(ExactText(Path), ExactText(Text));
	}
	FString Doubled(TEXT("/a//b/../c"));
	EXPECT_TRUE(FPaths::CollapseRelativeDirectories(Doubled));
	EXPECT_EQ(ExactText(Doubled), u"/a//c");
}

TEST_F(FPathsTest, NormalizeTurnsBackslashesIntoSlashes)
{
	FString File(TEXT("C:\\x\\manage\\TokenKEY.DLK"));
	FPaths::NormalizeFilename(File);
	EXPECT_EQ(ExactText(File), u"C:/x/manage/TokenKEY.DLK");

	const std::pair<const TCHAR*, const char16_t*> Directories[] = {
		{TEXT("C:\\a\\b\\"), u"C:/a/b"},
		{TEXT("/a/b/"), u"/a/b"},
		{TEXT("/a/b"), u"/a/b"},
		{TEXT("C:/"), u"C:/"},
		{TEXT("//"), u"//"},
	};
	for (const std::pair<const TCHAR*, const char16_t*>& Case : Directories)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.first));
		FString Directory(Case.first);
		FPaths::NormalizeDirectoryName(Directory);
		EXPECT_EQ(ExactText(Directory), Case.second);
	}
}

TEST_F(FPathsTest, SplitsNamesIntoFolderBaseAndExtension)
{
	struct FCase
	{
		const TCHAR* Path;
		const char16_t* Folder;
		const char16_t* Clean;
		const char16_t* Base;
		const char16_t* Extension;
	};
	const FCase Cases[] = {
		{TEXT("/data/archive.tar.gz"), u"/data", u"archive.tar.gz", u"archive.tar", u"gz"},
		{TEXT("C:\\x\\manage\\TokenKEY.DLK"), u"C:\\x\\manage", u"TokenKEY.DLK", u"TokenKEY", u"DLK"},
		{TEXT("dir.v2/README"), u"dir.v2", u"README", u"README", u""},
		{TEXT("plain"), u"", u"plain", u"plain", u""},
		{TEXT("folder/"), u"folder", u"", u"", u""},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Path));
		EXPECT_EQ(ExactText(FPaths::GetPath(Case.Path)), Case.Folder);
		EXPECT_EQ(ExactText(FPaths::GetCleanFilename(Case.Path)), Case.Clean);
		EXPECT_EQ(ExactText(FPaths::GetBaseFilename(Case.Path)), Case.Base);
		EXPECT_EQ(ExactText(FPaths::GetExtension(Case.Path)), Case.Extension);
	}
	EXPECT_EQ(ExactText(FPaths::GetExtension(TEXT("a/b.json"), true)), u".json");
	EXPECT_EQ(ExactText(FPaths::GetBaseFilename(TEXT("dir.v2/file.txt"), false)), u"dir.v2/file");
	EXPECT_EQ(ExactText(FPaths::GetBaseFilename(TEXT("dir.v2/README"), false)), u"dir.v2/README");
}

TEST_F(FPathsTest, CombineJoinsWithOneSlashAndTellsRelativeFromAbsolute)
{
	EXPECT_EQ(ExactText(FPaths::Combine(TEXT("a"), TEXT("b"), TEXT("c.txt"))), u"a/b/c.txt");
	EXPECT_EQ(ExactText(FPaths::Combine(FString(TEXT("/root/")), TEXT("sub"))), u"/root/sub");
	EXPECT_EQ(ExactText(FPaths::Combine(TEXT("/root"), FString(TEXT("/sub")))), u"/root/sub");

	EXPECT_TRUE(FPaths::IsRelative(TEXT("a/b")));
	EXPECT_TRUE(FPaths::IsRelative(TEXT("")));
	EXPECT_TRUE(FPaths::IsRelative(TEXT("\\single")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("/a")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("\\\\server\\share")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("C:\\x")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("d:")));
}
