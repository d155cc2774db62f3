#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "HAL/PlatformProcess.h"
#include "LauncherTestSupport.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

using namespace LauncherTest;

class FLauncherCommandTest : public testing::Test
{
protected:
	/** Runs the zova binary built beside the test executable. */
	static FProcessResult Zova(std::vector<std::string> Arguments)
	{
		Arguments.insert(Arguments.begin(), Utf8(FString(FPlatformProcess::BaseDir())) + "/zova");
		return RunProcess(Arguments);
	}

	FProcessResult Pack(const std::string& Token, const std::vector<std::string>& Extra = {}) const
	{
		std::vector<std::string> Arguments = {"launcher", "pack", "--document", Utf8(DocumentPath), "--token", Token, "--out", Utf8(Out.GetPath())};
		Arguments.insert(Arguments.end(), Extra.begin(), Extra.end());
		return Zova(Arguments);
	}

	/** "launcher read --json" of the packed folder, with DataDebug("Version"); the printed object. */
	TSharedPtr<FJsonObject> Read(const std::string& AppKey) const
	{
		const FProcessResult Result = Zova({"launcher", "read", "--dir", Utf8(Out.GetPath()), "--app-key", AppKey, "--node-name", "Version", "--json"});
		EXPECT_EQ(Result.ExitCode, 0) << Result.StdErr;
		return ParseObject(Result.StdOut);
	}

	static TSharedPtr<FJsonObject> ParseObject(const std::string& Text)
	{
		TSharedPtr<FJsonObject> Object = MakeShared<FJsonObject>();
		EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(FromUtf8(Text)), Object)) << Text;
		return Object;
	}

	static std::string GetString(const TSharedPtr<FJsonObject>& Object, const TCHAR* Field)
	{
		FString Value;
		EXPECT_TRUE(Object->TryGetStringField(Field, Value)) << Utf8(Field);
		return Utf8(Value);
	}

	static TArray<TSharedPtr<FJsonValue>> GetMessages(const TSharedPtr<FJsonObject>& Object)
	{
		const TArray<TSharedPtr<FJsonValue>>* Messages = nullptr;
		return Object->TryGetArrayField(TEXT("messages"), Messages) ? *Messages : TArray<TSharedPtr<FJsonValue>>();
	}

	FTempFolder Work;
	FTempFolder Out;
	const std::string Document = R"({"Username":"张三","Balance":1500,"Alreadyloggedin":true,"Version":"版本 2.0","SpaceUrl":"zova.example"})";
	const FString DocumentPath = Work.WriteFile(TEXT("session.json"), Document);
};

TEST_F(FLauncherCommandTest, PackedFolderReadsBackThroughTheModule)
{
	const FString Token = TEXT("令牌-abc123");
	const FProcessResult Packed = Pack(Utf8(Token), {"--json"});
	ASSERT_EQ(Packed.ExitCode, 0) << Packed.StdErr;
	const TSharedPtr<FJsonObject> Files = ParseObject(Packed.StdOut);
	EXPECT_EQ(GetString(Files, TEXT("bridge")), Utf8(Out.GetPath()) + "/BridgeFilePath.zova");
	EXPECT_EQ(GetString(Files, TEXT("token")), Utf8(Out.GetPath()) + "/manage/TokenKEY.DLK");

	// The data file is one line that the openssl command decrypts under the launcher's key and IV.
	std::ifstream DataFile(GetString(Files, TEXT("data")), std::ios::binary);
	const std::string DataText((std::istreambuf_iterator<char>(DataFile)), std::istreambuf_iterator<char>());
	EXPECT_EQ(DataText.find('\n'), std::string::npos);
	EXPECT_EQ(OpenSslDes(DataText, LauncherBlock(Token.Reverse()), LauncherBlock(Token), {"-d", "-A"}), Document);

	const TSharedPtr<FJsonObject> Values = Read("app");
	EXPECT_EQ(GetString(Values, TEXT("UserName")), "张三");
	EXPECT_EQ(GetString(Values, TEXT("UserGold")), "1500");
	EXPECT_EQ(GetString(Values, TEXT("DataDebug")), "版本 2.0");
	EXPECT_EQ(GetString(Values, TEXT("OkAPIPort")), "https://zova.example/");
	EXPECT_EQ(GetString(Values, TEXT("Signature")), "");
	bool bLoggedIn = false;
	EXPECT_TRUE(Values->TryGetBoolField(TEXT("Alreadyloggedin"), bLoggedIn) && bLoggedIn);
	EXPECT_EQ(Values->Values.Num(), 28 + 2);
	EXPECT_EQ(GetMessages(Values).Num(), 0);
}

TEST_F(FLauncherCommandTest, EmptyTokenWritesPlainJsonAndAnEmptyKeyIsReported)
{
	ASSERT_EQ(Pack("").ExitCode, 0);
	EXPECT_EQ(GetString(Read("app"), TEXT("UserName")), "张三");

	const TSharedPtr<FJsonObject> Refused = Read("");
	EXPECT_EQ(GetString(Refused, TEXT("UserName")), "缺少数据，检查初始化节点或应用数据是否存在。初始化节点名称：初始化Hub数据");
	// A log line then an on-screen message per failed readiness test: 25 one-test accessors and
	// DataDebug, 2 for OkAPIPort, 3 each for ZOVA_APPaths and ZOVA_Login.
	const TArray<TSharedPtr<FJsonValue>> Messages = GetMessages(Refused);
	ASSERT_EQ(Messages.Num(), 2 * (26 + 2 + 3 + 3));
	for (int32 Index = 0; Index < Messages.Num(); ++Index)
	{
		EXPECT_EQ(GetString(Messages[Index]->AsObject(), TEXT("kind")), Index % 2 == 0 ? "log" : "screen");
		EXPECT_EQ(GetString(Messages[Index]->AsObject(), TEXT("text")), "初始化节点没有填写AppKey");
	}
}

TEST_F(FLauncherCommandTest, BadArgumentsGiveOneLineAndStatusTwo)
{
	ASSERT_EQ(Pack("tok").ExitCode, 0);
	const std::string Folder = Utf8(Out.GetPath());
	const std::string ArrayDocument = Utf8(Work.WriteFile(TEXT("array.json"), "[1,2]"));
	// The module refuses these rather than hand them to the engine's reader, and so does the tool.
	const std::string DeepDocument = Utf8(Work.WriteFile(TEXT("deep.json"), "{\"a\":" + std::string(100000, '[') + std::string(100000, ']') + "}"));
	const std::string CutDocument = Utf8(Work.WriteFile(TEXT("cut.json"), "{\"a\":\"x\\"));
	const std::pair<const char*, std::vector<std::string>> Cases[] = {
		{"PackWithoutOut", {"launcher", "pack", "--document", Utf8(DocumentPath), "--token", "t"}},
		{"PackOfAnArray", {"launcher", "pack", "--document", ArrayDocument, "--token", "t", "--out", Folder + "/other"}},
		{"PackOfADeepDocument", {"launcher", "pack", "--document", DeepDocument, "--token", "t", "--out", Folder + "/other"}},
		{"PackOfADocumentCutAfterABackslash", {"launcher", "pack", "--document", CutDocument, "--token", "t", "--out", Folder + "/other"}},
		{"PackOfAMissingFile", {"launcher", "pack", "--document", Folder + "/none.json", "--token", "t", "--out", Folder + "/other"}},
		{"PackOverExistingFiles", {"launcher", "pack", "--document", Utf8(DocumentPath), "--token", "t", "--out", Folder}},
		{"ReadWithoutAppKey", {"launcher", "read", "--dir", Folder}},
		{"ReadOfAMissingFolder", {"launcher", "read", "--dir", Folder + "/none", "--app-key", "k"}},
		{"ReadWithUnknownOption", {"launcher", "read", "--dir", Folder, "--app-key", "k", "--bogus"}},
		{"ReadWithStrayArgument", {"launcher", "read", "stray", "--dir", Folder, "--app-key", "k"}},
	};
	for (const auto& [Name, Arguments] : Cases)
	{
		SCOPED_TRACE(Name);
		const FProcessResult Result = Zova(Arguments);
		EXPECT_EQ(Result.ExitCode, 2);
		EXPECT_EQ(Result.StdOut, "");
		EXPECT_EQ(std::count(Result.StdErr.begin(), Result.StdErr.end(), '\n'), 1) << Result.StdErr;
	}
	EXPECT_EQ(Pack("tok", {"--force"}).ExitCode, 0);
}
