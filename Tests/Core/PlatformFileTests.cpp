#include "CoreMinimal.h"
#include "HAL/PlatformFileManager.h"
#include "HAL/PlatformProcess.h"
#include "ScopedTempDirectory.h"

#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

namespace
{
	class FPlatformFileTest : public ::testing::Test
	{
	protected:
		IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
		FScopedTempDirectory Temp;
	};
}

// UE 5.4 and 5.8, Core/Private/Unix/UnixPlatformFile.cpp: only relative names are normalized.
TEST_F(FPlatformFileTest, AbsoluteNamesAreTakenAsGivenRelativeNamesAreNormalized)
{
	Temp.WriteFile("manage/TokenKEY.DLK", {'k', 'e', 'y'});
	const FString Found[] = {
		Temp.GetPath() + TEXT("manage/TokenKEY.DLK"),
		Temp.GetPath() + TEXT("manage//TokenKEY.DLK"),
		Temp.GetPath() + TEXT("manage/../manage/./TokenKEY.DLK"),
	};
	for (const FString& Name : Found)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Name));
		EXPECT_TRUE(PlatformFile.FileExists(*Name));
		EXPECT_EQ(PlatformFile.FileSize(*Name), 3);
	}

	// On Linux a '\' inside an absolute name is part of a file name, not a separator.
	const FString WindowsStyle = Temp.GetPath().LeftChop(1) + TEXT("\\manage\\TokenKEY.DLK");
	EXPECT_FALSE(PlatformFile.FileExists(*WindowsStyle));
	EXPECT_EQ(PlatformFile.OpenRead(*WindowsStyle), nullptr);
	Temp.WriteFile("odd\\name", {'x'});
	EXPECT_TRUE(PlatformFile.FileExists(*(Temp.GetPath() + TEXT("odd\\name"))));

	// A relative name gets '/' for '\' before it is resolved against the binaries folder.
	EXPECT_TRUE(PlatformFile.FileExists(TEXT("..\\Binaries\\CoreTests")));
}

TEST_F(FPlatformFileTest, DirectoriesAreNotFiles)
{
	Temp.MakeDirectory("folder");
	const FString Folder = Temp.GetPath() + TEXT("folder");
	EXPECT_FALSE(PlatformFile.FileExists(*Folder));
	EXPECT_EQ(PlatformFile.FileSize(*Folder), -1);
	EXPECT_TRUE(PlatformFile.DirectoryExists(*Folder));
	EXPECT_TRUE(PlatformFile.DirectoryExists(*(Folder + TEXT("/"))));
	EXPECT_EQ(PlatformFile.OpenRead(*Folder), nullptr);

	Temp.WriteFile("file.txt", {'x'});
	EXPECT_FALSE(PlatformFile.DirectoryExists(*(Temp.GetPath() + TEXT("file.txt"))));
}

TEST_F(FPlatformFileTest, RelativeNamesResolveAgainstTheBinariesFolderNotTheWorkingDirectory)
{
	Temp.WriteFile("OnlyInWorkingDirectory.txt", {'x'});
	char Previous[4096];
	ASSERT_NE(getcwd(Previous, sizeof(Previous)), nullptr);
	ASSERT_EQ(chdir(TCHAR_TO_UTF8(*Temp.GetPath())), 0);
	const bool bFoundTestProgram = PlatformFile.FileExists(TEXT("CoreTests"));
	const bool bFoundWorkingDirectoryFile = PlatformFile.FileExists(TEXT("OnlyInWorkingDirectory.txt"));
	ASSERT_EQ(chdir(Previous), 0);

	EXPECT_TRUE(bFoundTestProgram);
	EXPECT_FALSE(bFoundWorkingDirectoryFile);
}

TEST_F(FPlatformFileTest, CreatesDirectoryTreesAndWritesReadsAndDeletesFiles)
{
	const FString Tree = Temp.GetPath() + TEXT("one\\two/three\\");
	EXPECT_TRUE(PlatformFile.CreateDirectoryTree(*Tree));
	EXPECT_TRUE(Temp.Exists("one/two/three"));
	EXPECT_TRUE(PlatformFile.CreateDirectoryTree(*Tree));
	EXPECT_TRUE(PlatformFile.CreateDirectory(*(Temp.GetPath() + TEXT("one"))));
	EXPECT_FALSE(PlatformFile.CreateDirectory(*(Temp.GetPath() + TEXT("missing/child"))));

	const FString Name = Temp.GetPath() + TEXT("one/two/three/data.bin");
	{
		const std::unique_ptr<IFileHandle> Writer(PlatformFile.OpenWrite(*Name));
		ASSERT_NE(Writer, nullptr);
		const uint8 Bytes[] = {1, 2, 3, 4, 5};
		EXPECT_TRUE(Writer->Write(Bytes, 5));
	}
	{
		const std::unique_ptr<IFileHandle> Appender(PlatformFile.OpenWrite(*Name, true));
		ASSERT_NE(Appender, nullptr);
		const uint8 More[] = {6};
		EXPECT_TRUE(Appender->Write(More, 1));
	}
	EXPECT_EQ(Temp.ReadFile("one/two/three/data.bin"), (std::vector<uint8>{1, 2, 3, 4, 5, 6}));

	const std::unique_ptr<IFileHandle> Reader(PlatformFile.OpenRead(*Name));
	ASSERT_NE(Reader, nullptr);
	EXPECT_EQ(Reader->Size(), 6);
	EXPECT_TRUE(Reader->Seek(4));
	uint8 Tail[2] = {};
	EXPECT_TRUE(Reader->Read(Tail, 2));
	EXPECT_EQ(Tail[0], 5);
	EXPECT_EQ(Tail[1], 6);
	EXPECT_EQ(Reader->Tell(), 6);
	EXPECT_FALSE(Reader->Read(Tail, 1));

	EXPECT_TRUE(PlatformFile.DeleteFile(*Name));
	EXPECT_FALSE(PlatformFile.FileExists(*Name));
	EXPECT_FALSE(PlatformFile.DeleteFile(*Name));
}
