// zova demo: the road of one login request, on this machine alone. A launcher folder is written with
// the "launcher pack" encoder and loaded with SetAPPKey; ZOVA_Login builds the login URL; the "Http Get
// Request" node sends it to an HTTPS service on 127.0.0.1 that stands in for the launcher's web service;
// a compiled "Json Analyze" graph reads the reply. Every step is checked against the value it must give.

#include "CoreMinimal.h"
#include "Demo/DemoCertificate.h"
#include "Demo/DemoLoginService.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "EdGraph/EdGraphNode.h"
#include "Graph/ZovaGraphSession.h"
#include "Graph/ZovaNodeWidget.h"
#include "Graph/ZovaPinValueOutput.h"
#include "Http/ZovaHttpListener.h"
#include "Http/ZovaHttpRequestNode.h"
#include "HttpModule.h"
#include "Launcher/LauncherFolder.h"
#include "Launcher/LauncherLibrary.h"
#include "Misc/Paths.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"
#include "UObject/Class.h"
#include "UObject/UObjectGlobals.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaInterrupts.h"
#include "ZovaOutput.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>

#include <stdlib.h>

namespace
{
	// The launcher's session: every login value holds characters that must be percent-encoded.
	const TCHAR* const AppKey = TEXT("zova-demo");
	const TCHAR* const LauncherToken = TEXT("令牌-demo");
	const FDemoLoginQuery Login = {TEXT("tok/en+1&2=3"), TEXT("zova user"), TEXT("p@ss&w=rd#100%")};
	const TCHAR* const EncodedQuery = TEXT("?token=tok%2Fen%2B1%262%3D3&user_name=zova%20user&password=p%40ss%26w%3Drd%23100%25");
	const TCHAR* const DisplayName = TEXT("演示用户");

	// The service's reply, and what the Json Analyze node must read out of it.
	const TCHAR* const LoginReply = TEXT("{\"code\":\"login_ok\",\"message\":\"登录成功\",\"data\":{\"user_name\":\"zova user\",\"display_name\":\"演示用户\"}}");
	const TPair<const TCHAR*, const TCHAR*> ReplyValues[] = {
		{TEXT("code"), TEXT("login_ok")},
		{TEXT("message"), TEXT("登录成功")},
		{TEXT("/data/display_name"), TEXT("演示用户")},
	};

	struct FDemoStep
	{
		FString Name;
		bool bOk = false;
		FString Detail;
	};

	/**
	 * A fresh folder under the system's temporary directory (TMPDIR), removed at the latest when this
	 * goes, and also when Ctrl-C or SIGTERM ends the process: it holds the service's private key.
	 */
	class FDemoTempDirectory
	{
	public:
		FDemoTempDirectory()
			: OnInterrupt([this]() { Remove(); })
		{
			std::error_code Error;
			const std::filesystem::path Parent = std::filesystem::temp_directory_path(Error);
			if (Error)
			{
				const char* const Configured = getenv("TMPDIR");
				Problem = FString::Printf(TEXT("no usable temporary directory (TMPDIR is \"%s\"): %s"), UTF8_TO_TCHAR(Configured ? Configured : ""), UTF8_TO_TCHAR(Error.message().c_str()));
				return;
			}
			std::string Template = (Parent / "zova-demo-XXXXXX").string();
			// Locked from before the folder exists until its path is known, so an interrupt in between waits to remove it.
			const std::lock_guard<std::mutex> Lock(Mutex);
			if (!mkdtemp(Template.data()))
			{
				Problem = FString::Printf(TEXT("cannot make a folder in %s: %s"), UTF8_TO_TCHAR(Parent.c_str()), UTF8_TO_TCHAR(std::strerror(errno)));
				return;
			}
			Path = std::filesystem::path(Template);
		}

		~FDemoTempDirectory()
		{
			Remove();
		}

		bool IsValid() const { return !GetPath().IsEmpty(); }

		/** Why there is no folder, when there is none. */
		const FString& GetProblem() const { return Problem; }

		FString GetPath() const
		{
			const std::lock_guard<std::mutex> Lock(Mutex);
			return FString(UTF8_TO_TCHAR(Path.c_str()));
		}

		/** Removes the folder and all it holds; true when nothing is left. */
		bool Remove()
		{
			const std::lock_guard<std::mutex> Lock(Mutex);
			if (Path.empty())
			{
				return true;
			}
			// An interrupt may come while the demo is still writing into the folder: try until it is gone.
			std::error_code Error;
			for (int32 Attempt = 0; Attempt < 100 && std::filesystem::exists(Path, Error); ++Attempt)
			{
				std::filesystem::remove_all(Path, Error);
			}
			const bool bGone = !std::filesystem::exists(Path, Error);
			if (bGone)
			{
				Path.clear();
			}
			return bGone;
		}

	private:
		/** Guards Path: the interrupt thread may remove the folder while the demo runs. */
		mutable std::mutex Mutex;
		std::filesystem::path Path;
		FString Problem;
		FZovaInterruptCleanup OnInterrupt;
	};

	/** The document the launcher would write for the signed-in user of the service at SpaceUrl. */
	FString MakeLauncherDocument(const FString& SpaceUrl)
	{
		const TSharedRef<FJsonObject> Document = MakeShared<FJsonObject>();
		Document->SetStringField(TEXT("SpaceUrl"), SpaceUrl);
		Document->SetStringField(TEXT("SpaceToken"), Login.Token);
		Document->SetStringField(TEXT("Username"), Login.UserName);
		Document->SetStringField(TEXT("Password"), Login.Password);
		Document->SetStringField(TEXT("DisplayName"), DisplayName);
		Document->SetBoolField(TEXT("Alreadyloggedin"), true);
		FString Text;
		FJsonSerializer::Serialize(Document, TJsonWriterFactory<>::Create(&Text));
		return Text;
	}

	/** Calls the launcher accessor FunctionName; its text, or empty when the library has no such function. */
	FString CallLauncherText(const FLauncherLibrary& Library, const TCHAR* FunctionName)
	{
		for (UFunction* Accessor : Library.GetAccessors())
		{
			if (Accessor->GetName() == FunctionName)
			{
				return Library.CallAccessor(Accessor)->AsString();
			}
		}
		return FString();
	}

	/** The steps of the scenario, in order; each adds itself and they stop at the first that fails. */
	class FDemoScenario
	{
	public:
		TArray<FDemoStep> Run()
		{
			RunSteps();
			if (TempDirectory.IsValid())
			{
				Add(TEXT("clean up"), TempDirectory.Remove(), TEXT("temporary folder removed"));
			}
			return Steps;
		}

	private:
		void RunSteps()
		{
			if (!Add(TEXT("temporary folder"), TempDirectory.IsValid(), TempDirectory.IsValid() ? TempDirectory.GetPath() : TempDirectory.GetProblem()))
			{
				return;
			}
			const FString CertificatePath = FPaths::Combine(TempDirectory.GetPath(), TEXT("service-cert.pem"));
			const FString KeyPath = FPaths::Combine(TempDirectory.GetPath(), TEXT("service-key.pem"));
			FString Error;
			if (!Add(TEXT("certificate"), DemoCertificate::WriteSelfSigned(CertificatePath, KeyPath, Error), Error.IsEmpty() ? TEXT("self-signed for IP:127.0.0.1") : Error))
			{
				return;
			}
			if (!Add(TEXT("trust certificate"), FHttpModule::Get().AddTrustedCertificatesFile(CertificatePath), TEXT("FHttpModule::AddTrustedCertificatesFile")))
			{
				return;
			}
			const bool bServing = Service.Start(CertificatePath, KeyPath, Error);
			const FString SpaceUrl = FString::Printf(TEXT("127.0.0.1:%d"), Service.GetPort());
			if (!Add(TEXT("HTTPS service"), bServing, bServing ? TEXT("https://") + SpaceUrl + FDemoLoginService::LoginPath : Error))
			{
				return;
			}
			if (!PackLauncherFolder(SpaceUrl) || !LoadLauncherFolder())
			{
				return;
			}
			const FString Url = CallLauncherText(Library, TEXT("ZOVA_Login"));
			const FString ExpectedUrl = TEXT("https://") + SpaceUrl + FDemoLoginService::LoginPath + EncodedQuery;
			if (!Add(TEXT("ZOVA_Login"), Url.Equals(ExpectedUrl, ESearchCase::CaseSensitive), Url))
			{
				return;
			}
			FString Reply;
			if (!SendLogin(Url, Reply))
			{
				return;
			}
			AnalyzeReply(Reply);
		}

		bool PackLauncherFolder(const FString& SpaceUrl)
		{
			const FString LauncherDir = FPaths::Combine(TempDirectory.GetPath(), TEXT("Launcher"));
			FLauncherFolder Folder(LauncherDir);
			FString Error;
			const bool bPacked = Folder.Encode(MakeLauncherDocument(SpaceUrl), LauncherToken, Error) && Folder.Write(false, Error);
			return Add(TEXT("launcher pack"), bPacked, bPacked ? Folder.GetDataPath() : Error);
		}

		bool LoadLauncherFolder()
		{
			FString Error;
			if (!Library.Load(Error))
			{
				return Add(TEXT("SetAPPKey"), false, Error);
			}
			Library.SetAPPKey(AppKey, FPaths::Combine(TempDirectory.GetPath(), TEXT("Launcher")));
			const FString UserName = CallLauncherText(Library, TEXT("UserName"));
			const FString Netname = CallLauncherText(Library, TEXT("UserNetname"));
			const bool bLoaded = UserName.Equals(Login.UserName, ESearchCase::CaseSensitive) && Netname.Equals(DisplayName, ESearchCase::CaseSensitive);
			return Add(TEXT("SetAPPKey"), bLoaded, FString::Printf(TEXT("UserName \"%s\", UserNetname \"%s\""), *UserName, *Netname));
		}

		bool SendLogin(const FString& Url, FString& OutReply)
		{
			UZovaHttpListener* const Listener = NewObject<UZovaHttpListener>();
			FString Error;
			if (ZovaHttpRequestNode::Send({TEXT("HttpGetRequest"), nullptr}, Url, FString(), ZovaHttpRequestNode::DefaultTimeoutSeconds, *Listener, Error) != ZovaHttpRequestNode::EOutcome::Fired)
			{
				return Add(TEXT("Http Get Request"), false, Error);
			}
			OutReply = Listener->Data;
			const bool bOk = Listener->Delegate == TEXT("OnSuccess") && Listener->Code == 200 && Service.GetNumAcceptedLogins() == 1 && Service.GetNumLogins() == 1;
			return Add(TEXT("Http Get Request"), bOk, FString::Printf(TEXT("%s %d, the service read the values %s"), *Listener->Delegate, Listener->Code, Service.GetNumAcceptedLogins() == 1 ? TEXT("back decoded") : TEXT("wrongly")));
		}

		void AnalyzeReply(const FString& Reply)
		{
			FZovaGraphSession Session;
			FString Error;
			UEdGraphNode* const Node = Session.Open(Error) ? Session.SpawnNode(TEXT("ZOVA Http Json"), TEXT("Json Analyze"), Error) : nullptr;
			if (!Node)
			{
				Add(TEXT("Json Analyze"), false, Error);
				return;
			}
			FZovaNodeWidget Widget(Node);
			for (const TPair<const TCHAR*, const TCHAR*>& Value : ReplyValues)
			{
				if (const FText Refusal = Widget.AddKey(Value.Key); !Refusal.IsEmpty())
				{
					Add(TEXT("Json Analyze"), false, FString::Printf(TEXT("the node refused the key \"%s\": %s"), Value.Key, *Refusal.ToString()));
					return;
				}
			}
			Session.TypeDefaultValue(Node->FindPinChecked(TEXT("In Json"), EGPD_Input), Reply);
			if (!Session.Compile(Error))
			{
				Add(TEXT("Json Analyze"), false, Error);
				return;
			}

			const TSharedPtr<const FHostPinValue> Success = Session.Evaluate(Node->FindPinChecked(TEXT("Success"), EGPD_Output), Error);
			bool bOk = Success && Success->Get<bool>();
			TArray<FString> Read;
			for (const TPair<const TCHAR*, const TCHAR*>& Value : ReplyValues)
			{
				const TSharedPtr<const FHostPinValue> Pin = Session.Evaluate(Node->FindPinChecked(Value.Key, EGPD_Output), Error);
				const FString Text = Pin ? ZovaPinValueOutput::ToLines(*Pin)[0] : Error;
				bOk = bOk && Pin && Text.Equals(Value.Value, ESearchCase::CaseSensitive);
				Read.Add(FString::Printf(TEXT("%s=%s"), Value.Key, *Text));
			}
			Add(TEXT("Json Analyze"), bOk, FString::Join(Read, TEXT(", ")));
		}

		bool Add(const TCHAR* Name, bool bOk, const FString& Detail)
		{
			Steps.Add({Name, bOk, Detail});
			return bOk;
		}

		FDemoTempDirectory TempDirectory;
		FDemoLoginService Service{Login, LoginReply};
		FLauncherLibrary Library;
		TArray<FDemoStep> Steps;
	};

	void PrintSteps(const TArray<FDemoStep>& Steps, bool bAllOk, bool bJson)
	{
		if (bJson)
		{
			TArray<TSharedPtr<FJsonValue>> StepValues;
			for (const FDemoStep& Step : Steps)
			{
				const TSharedRef<FJsonObject> StepObject = MakeShared<FJsonObject>();
				StepObject->SetStringField(TEXT("name"), Step.Name);
				StepObject->SetBoolField(TEXT("ok"), Step.bOk);
				StepObject->SetStringField(TEXT("detail"), Step.Detail);
				StepValues.Add(MakeShared<FJsonValueObject>(StepObject));
			}
			const TSharedRef<FJsonObject> Result = MakeShared<FJsonObject>();
			Result->SetArrayField(TEXT("steps"), StepValues);
			Result->SetBoolField(TEXT("ok"), bAllOk);
			ZovaOutput::PrintJson(Result);
			return;
		}
		TArray<TArray<FString>> Rows = {{TEXT("Step"), TEXT("Result"), TEXT("Detail")}};
		for (const FDemoStep& Step : Steps)
		{
			Rows.Add({Step.Name, Step.bOk ? TEXT("ok") : TEXT("FAILED"), Step.Detail});
		}
		ZovaOutput::PrintTable(Rows);
		ZovaOutput::PrintLine(bAllOk ? TEXT("Demo succeeded: every step gave the expected value.") : TEXT("Demo failed."));
	}

	int32 RunDemo(const FZovaArguments& Arguments)
	{
		if (Arguments.NumPositional() > 0)
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("demo takes no argument, got \"%s\" (see zova demo --help)"), *Arguments.GetPositional(0)));
		}
		const TArray<FDemoStep> Steps = FDemoScenario().Run();
		bool bAllOk = true;
		for (const FDemoStep& Step : Steps)
		{
			bAllOk = bAllOk && Step.bOk;
		}
		PrintSteps(Steps, bAllOk, Arguments.WantsJson());
		return bAllOk ? EZovaExit::Success : EZovaExit::Failure;
	}

	const FZovaCommandRegistration DemoRegistration({
		TEXT("demo"),
		TEXT("runs the login scenario end to end: launcher folder, ZOVA_Login, HTTPS request, Json Analyze"),
		TEXT("Usage: zova demo [--json]\n\n")
		TEXT("In a temporary folder: makes a self-signed certificate for 127.0.0.1 and trusts it in the HTTP\n")
		TEXT("module, starts an HTTPS service on 127.0.0.1 standing in for the launcher's web service, writes a\n")
		TEXT("launcher folder for it with the \"launcher pack\" encoder, loads it with SetAPPKey, builds the login\n")
		TEXT("URL with ZOVA_Login, sends it with the \"Http Get Request\" node and reads the reply with a compiled\n")
		TEXT("\"Json Analyze\" graph. Then removes the folder, also when Ctrl-C or SIGTERM ends the demo early.\n")
		TEXT("The temporary folder is made under TMPDIR. Nothing but 127.0.0.1 is contacted.\n")
		TEXT("Exit status 0 when every step gave the expected value, 1 otherwise; Ctrl-C and SIGTERM end it as\n")
		TEXT("they end any program, after the cleanup.\n\n")
		TEXT("Example (the folder's name differs on every run):\n")
		TEXT("  $ zova demo | head -3\n")
		TEXT("  Step               Result  Detail\n")
		TEXT("  temporary folder   ok      /tmp/zova-demo-PxcJFy\n")
		TEXT("  certificate        ok      self-signed for IP:127.0.0.1"),
		{},
		{},
		{},
		&RunDemo,
	});
}
