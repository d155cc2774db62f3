// zova launcher pack / read: writes a launcher folder to develop against, and reads one through the
// launcher module's Blueprint functions.

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Engine/Engine.h"
#include "Launcher/LauncherFolder.h"
#include "Launcher/LauncherLibrary.h"
#include "Launcher/LauncherMessages.h"
#include "Misc/Paths.h"
#include "UObject/Class.h"
#include "UObject/UObjectGlobals.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"

namespace
{
	/** A path typed on the command line, made absolute against the working directory. */
	FString ResolveUserPath(const FString& Path)
	{
		return FPaths::ConvertRelativePathToFull(FPaths::LaunchDir(), Path);
	}

	int32 RunPack(const FZovaArguments& Arguments)
	{
		FString Token;
		FString OutDir;
		if (Arguments.NumPositional() > 0)
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("unexpected argument \"%s\""), *Arguments.GetPositional(0)));
		}
		FString Document;
		FString Error;
		if (!Arguments.GetOption(TEXT("token"), Token) || !Arguments.GetOption(TEXT("out"), OutDir) || !Arguments.ReadFileOption(TEXT("document"), Document, Error))
		{
			return ZovaOutput::UsageError(Error.IsEmpty() ? TEXT("launcher pack needs --document FILE, --token TEXT and --out DIR") : Error);
		}
		if (!IsLauncherDocument(Document))
		{
			return ZovaOutput::UsageError(TEXT("the document is not a JSON object"));
		}

		FLauncherFolder Folder(ResolveUserPath(OutDir));
		if (!Folder.Encode(Document, Token, Error))
		{
			ZovaOutput::PrintError(Error);
			return EZovaExit::Failure;
		}
		if (!Folder.Write(Arguments.HasFlag(TEXT("force")), Error))
		{
			return ZovaOutput::UsageError(Error);
		}

		if (Arguments.WantsJson())
		{
			const TSharedRef<FJsonObject> Result = MakeShared<FJsonObject>();
			Result->SetStringField(TEXT("bridge"), Folder.GetBridgePath());
			Result->SetStringField(TEXT("token"), Folder.GetTokenPath());
			Result->SetStringField(TEXT("data"), Folder.GetDataPath());
			ZovaOutput::PrintJson(Result);
		}
		else
		{
			ZovaOutput::PrintTable({{TEXT("File"), TEXT("Path")}, {TEXT("bridge"), Folder.GetBridgePath()}, {TEXT("token"), Folder.GetTokenPath()}, {TEXT("data"), Folder.GetDataPath()}});
		}
		return EZovaExit::Success;
	}

	/** A value as the table shows it. */
	FString ToCellText(const TSharedRef<FJsonValue>& Value)
	{
		bool bValue = false;
		if (Value->Type == EJson::Boolean && Value->TryGetBool(bValue))
		{
			return bValue ? TEXT("true") : TEXT("false");
		}
		return Value->AsString();
	}

	void PrintReadResult(const FZovaArguments& Arguments, const TArray<TPair<FString, TSharedRef<FJsonValue>>>& Values, const TArray<FLauncherMessage>& Messages)
	{
		if (Arguments.WantsJson())
		{
			const TSharedRef<FJsonObject> Result = MakeShared<FJsonObject>();
			for (const TPair<FString, TSharedRef<FJsonValue>>& Value : Values)
			{
				Result->SetField(Value.Key, Value.Value);
			}
			TArray<TSharedPtr<FJsonValue>> MessageValues;
			for (const FLauncherMessage& Message : Messages)
			{
				const TSharedRef<FJsonObject> MessageObject = MakeShared<FJsonObject>();
				MessageObject->SetStringField(TEXT("kind"), Message.Kind);
				MessageObject->SetStringField(TEXT("text"), Message.Text);
				MessageValues.Add(MakeShared<FJsonValueObject>(MessageObject));
			}
			Result->SetArrayField(TEXT("messages"), MessageValues);
			ZovaOutput::PrintJson(Result);
			return;
		}
		TArray<TArray<FString>> Rows = {{TEXT("Function"), TEXT("Value")}};
		for (const TPair<FString, TSharedRef<FJsonValue>>& Value : Values)
		{
			Rows.Add({Value.Key, ToCellText(Value.Value)});
		}
		ZovaOutput::PrintTable(Rows);
	}

	int32 RunRead(const FZovaArguments& Arguments)
	{
		FString Dir;
		FString AppKey;
		FString NodeName;
		if (Arguments.NumPositional() > 0)
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("unexpected argument \"%s\""), *Arguments.GetPositional(0)));
		}
		if (!Arguments.GetOption(TEXT("dir"), Dir) || !Arguments.GetOption(TEXT("app-key"), AppKey))
		{
			return ZovaOutput::UsageError(TEXT("launcher read needs --dir DIR and --app-key KEY"));
		}
		const bool bDataDebug = Arguments.GetOption(TEXT("node-name"), NodeName);
		// The module takes a relative folder against the binaries folder, so hand it an absolute one.
		Dir = ResolveUserPath(Dir);
		if (!FPaths::DirectoryExists(Dir))
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("no folder at %s"), *Dir));
		}

		FLauncherLibrary Library;
		FString Error;
		if (!Library.Load(Error))
		{
			ZovaOutput::PrintToStdErr(TEXT("zova: ") + Error);
			return EZovaExit::Failure;
		}
		if (!GEngine)
		{
			GEngine = NewObject<UEngine>();
			GEngine->AddToRoot();
		}

		FLauncherMessages Messages;
		Library.SetAPPKey(AppKey, Dir);
		TArray<TPair<FString, TSharedRef<FJsonValue>>> Values;
		for (UFunction* Accessor : Library.GetAccessors())
		{
			Values.Add({Accessor->GetName(), Library.CallAccessor(Accessor)});
			Messages.CollectScreenMessages();
		}
		if (bDataDebug)
		{
			Values.Add({TEXT("DataDebug"), Library.DataDebug(NodeName)});
			Messages.CollectScreenMessages();
		}
		PrintReadResult(Arguments, Values, Messages.GetMessages());
		FString Problem;
		if (!FLauncherFolder::Check(Dir, Problem))
		{
			ZovaOutput::PrintError(Problem);
			return EZovaExit::Failure;
		}
		return EZovaExit::Success;
	}

	const FZovaCommandRegistration PackRegistration({
		TEXT("launcher pack"),
		TEXT("writes a launcher folder (bridge, token key and encrypted data file) for a JSON document"),
		TEXT("Usage: zova launcher pack --document FILE --token TEXT --out DIR [--force] [--json]\n\n"
			 "Writes DIR/BridgeFilePath.zova (naming the data file), DIR/manage/TokenKEY.DLK (holding TEXT)\n"
			 "and DIR/HubData.zova: the document's UTF-8 bytes with PKCS#5 padding, encrypted with DES-CBC\n"
			 "and Base64-encoded, so that the launcher module decodes it. With an empty TEXT the data file\n"
			 "holds the plain document. The document must be a JSON object; FILE \"-\" reads it from standard\n"
			 "input. TEXT \"-\" reads the token from standard input (one trailing newline is dropped).\n\n"
			 "The three files are written all or none: into a staging folder inside DIR first, then moved into\n"
			 "place. A symbolic link or anything but a regular file at one of their paths is refused, and so are\n"
			 "existing files unless --force is given; when any step fails, DIR is left as it was.\n\n"
			 "Exit status: 0 when the files were written, 2 when nothing was written (bad usage, a refused\n"
			 "path, a file that cannot be written).\n\n"
			 "Example (in /tmp/tour, which holds session.json):\n"
			 "  $ zova launcher pack --document session.json --token 8f2kQ7xZ --out ./Launcher\n"
			 "  File    Path\n"
			 "  bridge  /tmp/tour/Launcher/BridgeFilePath.zova\n"
			 "  token   /tmp/tour/Launcher/manage/TokenKEY.DLK\n"
			 "  data    /tmp/tour/Launcher/HubData.zova"),
		{},
		{{TEXT("document"), EZovaValue::File}, {TEXT("token"), EZovaValue::Line}, {TEXT("out"), EZovaValue::Path}},
		{TEXT("force")},
		&RunPack,
	});

	const FZovaCommandRegistration ReadRegistration({
		TEXT("launcher read"),
		TEXT("loads a launcher folder with SetAPPKey and prints every launcher accessor"),
		TEXT("Usage: zova launcher read --dir DIR --app-key KEY [--node-name NAME] [--json]\n\n"
			 "Calls the \"初始化Hub数据\" node (SetAPPKey) with KEY and DIR, then every pure accessor of the\n"
			 "launcher library, and \"数据调试\" (DataDebug) with NAME when --node-name is given. Log lines and\n"
			 "on-screen messages go to standard error; --json also lists them under \"messages\". KEY and NAME\n"
			 "may be \"-\" to read one of them from standard input (one trailing newline is dropped).\n\n"
			 "Exit status: 0 when the folder holds the launcher files and its data decodes to a JSON object,\n"
			 "1 when it does not (the values the module gives are printed all the same, and one line on\n"
			 "standard error says what is wrong), 2 for bad usage or a missing folder.\n\n"
			 "Example (the folder that \"zova launcher pack --help\" packs, whose document has \"Version\":\"1.0.2\"):\n"
			 "  $ zova launcher read --dir ./Launcher --app-key demo --node-name Version | tail -2\n"
			 "  Versions           1.0.2\n"
			 "  DataDebug          1.0.2"),
		{},
		{{TEXT("dir"), EZovaValue::Path}, {TEXT("app-key"), EZovaValue::Line}, {TEXT("node-name"), EZovaValue::Line}},
		{},
		&RunRead,
	});
}
