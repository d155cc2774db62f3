#include "CoreMinimal.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "../Support/ForwardingPlatformFile.h"
#include "ExactText.h"
#include "ScopedTempDirectory.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
	/** Passes everything to the platform file below, counting reads and refusing them on request. */
	class FRecordingPlatformFile final : public FForwardingPlatformFile
	{
	public:
		explicit FRecordingPlatformFile(IPlatformFile& InLower)
			: FForwardingPlatformFile(InLower)
		{
		}

		TArray<FString> OpenedForRead;
		bool bRefuseReads = false;

		virtual IFileHandle* OpenRead(const TCHAR* Filename, bool bAllowWrite) override
		{
			OpenedForRead.Add(Filename);
			return bRefuseReads ? nullptr : FForwardingPlatformFile::OpenRead(Filename, bAllowWrite);
		}
	};

	class FFileHelperTest : public ::testing::Test
	{
	protected:
		FScopedTempDirectory Temp;
	};

	struct FDecodingCase
	{
		const char* Name;
		std::vector<uint8> Bytes;
		std::u16string Expected;
	};

	// "A汉😀": U+0041, U+6C49, U+1F600 (D83D DE00), written out by hand in each encoding.
	const FDecodingCase DecodingCases[] = {
		{"Utf16LittleEndianWithBom", {0xFF, 0xFE, 0x41, 0x00, 0x49, 0x6C, 0x3D, 0xD8, 0x00, 0xDE}, u"A\u6c49\U0001F600"},
		{"Utf16BigEndianWithBom", {0xFE, 0xFF, 0x00, 0x41, 0x6C, 0x49, 0xD8, 0x3D, 0xDE, 0x00}, u"A\u6c49\U0001F600"},
		{"Utf8WithBom", {0xEF, 0xBB, 0xBF, 0x41, 0xE6, 0xB1, 0x89, 0xF0, 0x9F, 0x98, 0x80}, u"A\u6c49\U0001F600"},
		{"Utf8WithoutBom", {0x41, 0xE6, 0xB1, 0x89, 0xF0, 0x9F, 0x98, 0x80}, u"A\u6c49\U0001F600"},
		{"ChineseUtf8WithoutBom", {0xE5, 0x90, 0xAF, 0xE5, 0x8A, 0xA8, 0xE5, 0x99, 0xA8, 0x0D, 0x0A, 0x7B, 0x7D}, u"\u542f\u52a8\u5668\r\n{}"},
		{"BomOnly", {0xFF, 0xFE}, u""},
		{"Empty", {}, u""},
		// UE 5.4 and 5.8, Core/Private/Misc/FileHelper.cpp (BufferToString): every unit is kept, a last zero too.
		{"Utf8ZerosInsideAndLast", {'a', 0x00, 'b', 0x00}, {u'a', 0, u'b', 0}},
		{"Utf8OnlyAZero", {0x00}, {0}},
		{"Utf8BomOnly", {0xEF, 0xBB, 0xBF}, u""},
		{"Utf16ZeroInside", {0xFF, 0xFE, 0x41, 0x00, 0x00, 0x00, 0x42, 0x00}, {u'A', 0, u'B'}},
		{"Utf16LoneSurrogateStays", {0xFF, 0xFE, 0x00, 0xD8, 0x41, 0x00}, {0xD800, u'A'}},
		// Invalid UTF-8 gives '?', the byte that breaks a sequence going with it as in UE 5.4.
		{"Utf8InvalidBytes", {'a', 0xC3, '(', 'b', 0xED, 0xA0, 0x80, 0xFF}, u"a?b??"},
		{"OddSizeAfterUtf16BomIsUtf8", {0xFF, 0xFE, 0x41}, u"?A"},
	};

	class FFileDecodingTest : public FFileHelperTest, public ::testing::WithParamInterface<FDecodingCase>
	{
	};
}

// UE 5.4, Core/Private/Misc/FileHelper.cpp
TEST_P(FFileDecodingTest, LoadFileToStringHonoursTheByteOrderMark)
{
	const FString Filename = Temp.WriteFile("input.txt", GetParam().Bytes);
	FString Result = TEXT("previous content");
	ASSERT_TRUE(FFileHelper::LoadFileToString(Result, *Filename));
	EXPECT_EQ(ExactText(Result), GetParam().Expected);

	FString ThroughPlatformFile;
	ASSERT_TRUE(FFileHelper::LoadFileToString(ThroughPlatformFile, &FPlatformFileManager::Get().GetPlatformFile(), *Filename));
	EXPECT_EQ(ExactText(ThroughPlatformFile), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Encodings, FFileDecodingTest, ::testing::ValuesIn(DecodingCases), [](const ::testing::TestParamInfo<FDecodingCase>& Info) { return std::string(Info.param.Name); });

// UE 5.4 and 5.8, Core/Private/Misc/FileHelper.cpp
TEST_F(FFileHelperTest, ANullPlatformFileLoadsNothingAndLeavesTheResult)
{
	const FString Filename = Temp.WriteFile("data.txt", {'o', 'k'});
	FString Text = TEXT("previous content");
	EXPECT_FALSE(FFileHelper::LoadFileToString(Text, nullptr, *Filename));
	EXPECT_EQ(ExactText(Text), u"previous content");
}

// UE 5.4, Core/Private/Misc/FileHelper.cpp
TEST_F(FFileHelperTest, MissingFilesAndDirectoriesFailToLoad)
{
	Temp.MakeDirectory("folder");
	const FString Names[] = {Temp.GetPath() + TEXT("missing.txt"), Temp.GetPath() + TEXT("folder"), Temp.GetPath() + TEXT("folder\\")};
	for (const FString& Name : Names)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Name));
		FString Text;
		EXPECT_FALSE(FFileHelper::LoadFileToString(Text, *Name));
		TArray<uint8> Bytes;
		EXPECT_FALSE(FFileHelper::LoadFileToArray(Bytes, *Name));
	}
}

// UE 5.4 and 5.8, Core/Private/Unix/UnixPlatformFile.cpp: files open through the same names as FileExists.
TEST_F(FFileHelperTest, BackslashesSeparateOnlyInRelativeNames)
{
	Temp.WriteFile("manage/TokenKEY.DLK", {'a', 'b', 'c'});
	FString Text;
	EXPECT_FALSE(FFileHelper::LoadFileToString(Text, *(Temp.GetPath() + TEXT("\\manage\\TokenKEY.DLK"))));
	ASSERT_TRUE(FFileHelper::LoadFileToString(Text, *(Temp.GetPath() + TEXT("manage/TokenKEY.DLK"))));
	EXPECT_EQ(ExactText(Text), u"abc");

	TArray<uint8> Bytes;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(Bytes, TEXT("..\\Binaries\\CoreTests")));
	EXPECT_GT(Bytes.Num(), 0);
}

TEST_F(FFileHelperTest, SaveStringToFileEncodesAsAsked)
{
	struct FCase
	{
		const char* Name;
		const TCHAR* Text;
		FFileHelper::EEncodingOptions Encoding;
		std::vector<uint8> Expected;
	};
	using EEncodingOptions = FFileHelper::EEncodingOptions;
	const FCase Cases[] = {
		{"AutoDetectAscii", TEXT("Hi!"), EEncodingOptions::AutoDetect, {'H', 'i', '!'}},
		{"AutoDetectWide", TEXT("A\u6c49"), EEncodingOptions::AutoDetect, {0xFF, 0xFE, 0x41, 0x00, 0x49, 0x6C}},
		{"AutoDetectLatin1", TEXT("\u00e9"), EEncodingOptions::AutoDetect, {0xFF, 0xFE, 0xE9, 0x00}},
		{"ForceUnicode", TEXT("Hi"), EEncodingOptions::ForceUnicode, {0xFF, 0xFE, 'H', 0x00, 'i', 0x00}},
		{"ForceUTF8", TEXT("A\u6c49"), EEncodingOptions::ForceUTF8, {0xEF, 0xBB, 0xBF, 0x41, 0xE6, 0xB1, 0x89}},
		{"ForceUTF8WithoutBOM", TEXT("\U0001F600"), EEncodingOptions::ForceUTF8WithoutBOM, {0xF0, 0x9F, 0x98, 0x80}},
		{"ForceAnsi", TEXT("A\u6c49"), EEncodingOptions::ForceAnsi, {'A', '?'}},
		{"Empty", TEXT(""), EEncodingOptions::ForceUTF8, {}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const std::string RelativeName = std::string("out/") + Case.Name + ".txt";
		const FString Filename = Temp.GetPath() + UTF8_TO_TCHAR(RelativeName.c_str());
		ASSERT_TRUE(FFileHelper::SaveStringToFile(Case.Text, *Filename, Case.Encoding));
		EXPECT_EQ(Temp.ReadFile(RelativeName), Case.Expected);

		if (Case.Encoding != EEncodingOptions::ForceAnsi)
		{
			FString Loaded;
			ASSERT_TRUE(FFileHelper::LoadFileToString(Loaded, *Filename));
			EXPECT_EQ(ExactText(Loaded), ExactText(Case.Text));
		}
	}
}

// UE 5.4 and 5.8, Core/Private/Misc/FileHelper.cpp (SaveStringToFile): the text is converted by
// length, so a last zero is taken for a terminator while zeros inside are written.
TEST_F(FFileHelperTest, SavingWritesZerosInsideButNotALastOne)
{
	struct FCase
	{
		const char* Name;
		FFileHelper::EEncodingOptions Encoding;
		std::vector<uint8> Expected;
	};
	using EEncodingOptions = FFileHelper::EEncodingOptions;
	const FCase Cases[] = {
		{"ForceUTF8WithoutBOM", EEncodingOptions::ForceUTF8WithoutBOM, {'a', 0x00, 'b'}},
		{"ForceAnsi", EEncodingOptions::ForceAnsi, {'a', 0x00, 'b'}},
		{"ForceUnicode", EEncodingOptions::ForceUnicode, {0xFF, 0xFE, 'a', 0x00, 0x00, 0x00, 'b', 0x00}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const std::string RelativeName = std::string(Case.Name) + ".txt";
		const FString Filename = Temp.GetPath() + UTF8_TO_TCHAR(RelativeName.c_str());
		ASSERT_TRUE(FFileHelper::SaveStringToFile(FStringView(u"a\0b\0", 4), *Filename, Case.Encoding));
		EXPECT_EQ(Temp.ReadFile(RelativeName), Case.Expected);
	}
}

TEST_F(FFileHelperTest, SavingCreatesFoldersAndAppendsOnRequest)
{
	const FString Filename = Temp.GetPath() + TEXT("a/b/c.bin");
	ASSERT_TRUE(FFileHelper::SaveArrayToFile({1, 2}, *Filename));
	ASSERT_TRUE(FFileHelper::SaveArrayToFile({3}, *Filename, &IFileManager::Get(), FILEWRITE_Append));
	EXPECT_EQ(Temp.ReadFile("a/b/c.bin"), (std::vector<uint8>{1, 2, 3}));
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("x"), *Filename));
	EXPECT_EQ(Temp.ReadFile("a/b/c.bin"), (std::vector<uint8>{'x'}));
}

TEST_F(FFileHelperTest, ReadsGoThroughTheInstalledPlatformFile)
{
	const FString Filename = Temp.WriteFile("data.txt", {'o', 'k'});
	IPlatformFile& Physical = FPlatformFileManager::Get().GetPlatformFile();
	FRecordingPlatformFile Recorder(Physical);
	FPlatformFileManager::Get().SetPlatformFile(Recorder);

	FString Text;
	const bool bLoaded = FFileHelper::LoadFileToString(Text, *Filename);
	Recorder.bRefuseReads = true;
	FString Refused;
	const bool bLoadedWhileRefusing = FFileHelper::LoadFileToString(Refused, *Filename);
	TArray<uint8> Bytes;
	const bool bLoadedArrayWhileRefusing = FFileHelper::LoadFileToArray(Bytes, *Filename);
	FPlatformFileManager::Get().SetPlatformFile(Physical);

	EXPECT_TRUE(bLoaded);
	EXPECT_EQ(ExactText(Text), u"ok");
	EXPECT_FALSE(bLoadedWhileRefusing);
	EXPECT_FALSE(bLoadedArrayWhileRefusing);
	ASSERT_EQ(Recorder.OpenedForRead.Num(), 3);
	EXPECT_EQ(ExactText(Recorder.OpenedForRead[0]), ExactText(Filename));

	// The explicit overload reads through the platform file it is given.
	Recorder.OpenedForRead.Empty();
	FString Direct;
	EXPECT_FALSE(FFileHelper::LoadFileToString(Direct, &Recorder, *Filename));
	EXPECT_EQ(Recorder.OpenedForRead.Num(), 1);
	EXPECT_TRUE(FFileHelper::LoadFileToString(Direct, &Physical, *Filename));
}
