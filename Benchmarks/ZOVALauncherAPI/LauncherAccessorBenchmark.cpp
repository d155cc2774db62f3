// One UserName call on a loaded 2 KB session document, beside one FJsonSerializer::Deserialize of
// the same document, in the same run. Target: UserName costs at most 2.5x the single parse (it
// checks the document's text, then parses it once).

#include "BenchmarkPair.h"
#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Misc/FileHelper.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZOVADesLibrary.h"

#include <cstdlib>
#include <filesystem>

namespace
{
	/** About 2 KB: every member the accessors read, plus free-form data. */
	const FString& Document()
	{
		static const FString Text = []()
		{
			FString Result = TEXT("{\"SpaceUrl\":\"api.zova.example\",\"SpaceToken\":\"3f9a-77c1\",\"Appid\":\"A-100\",\"ChineseName\":\"星际探索\","
				"\"EnglishName\":\"StarTrek\",\"CategoryTable\":\"冒险\",\"Description\":\"一款太空探索游戏\",\"Version\":\"1.2.0\",\"IsEnabled\":true,"
				"\"RootPath\":\"D:\\\\ZOVA\",\"Username\":\"zhangsan\",\"DisplayName\":\"小张\",\"UserId\":\"42\",\"Password\":\"secret\",\"Balance\":1500,"
				"\"Logo\":\"ZS\",\"ProfilePicture\":\"https://img.example/1.png\",\"Signature\":\"你好\",\"Alreadyloggedin\":true,\"CurrentLevel\":\"第三关\","
				"\"Score\":\"98\",\"ExperienceValue\":\"300\",\"Grade\":\"黄金\",\"OtherUserData\":\"\",\"ApplyOtherData\":\"");
			while (Result.Len() < 2000)
			{
				Result += TEXT("数据0123456789abcdef");
			}
			Result += TEXT("\"}");
			return Result;
		}();
		return Text;
	}

	/** Loads the document through a launcher folder with an empty token key file (plain JSON data). */
	void LoadDocument()
	{
		static const bool bLoaded = []()
		{
			const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "zova-accessor-benchmark";
			const FString FolderText(Folder.string().c_str());
			const FString DataPath = FolderText / TEXT("data.json");
			FFileHelper::SaveStringToFile(Document(), *DataPath, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM);
			FFileHelper::SaveStringToFile(TEXT(""), *(FolderText / TEXT("manage/TokenKEY.DLK")));
			FFileHelper::SaveStringToFile(DataPath, *(FolderText / TEXT("BridgeFilePath.zova")));
			UZOVADesLibrary::SetAPPKey(TEXT("benchmark"), FolderText);
			const bool bReady = UZOVADesLibrary::UserName() == TEXT("zhangsan");
			std::filesystem::remove_all(Folder);
			return bReady;
		}();
		if (!bLoaded)
		{
			std::abort();
		}
	}

	void ReadUserName()
	{
		LoadDocument();
		benchmark::DoNotOptimize(UZOVADesLibrary::UserName().Len());
	}

	void DeserializeOnce()
	{
		TSharedPtr<FJsonObject> Object;
		benchmark::DoNotOptimize(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Document()), Object));
	}

	// One call takes microseconds: each half-pair times a hundred.
	const FBenchmarkPairRegistration UserNameOverDeserialize({.Name = "UserName_vs_DeserializeOnce", .Measured = &ReadUserName, .Baseline = &DeserializeOnce, .Pairs = 51, .CallsPerSide = 100});
}

BENCHMARK_MAIN();
