#include "HttpModule.h"
#include "Curl/CurlHttp.h"
#include "Http.h"
#include "HttpManager.h"
#include "Misc/FileHelper.h"
#include "Modules/ModuleManager.h"

#include <curl/curl.h>

DEFINE_LOG_CATEGORY(LogHttp);

IMPLEMENT_MODULE(FHttpModule, HTTP)

FHttpModule* FHttpModule::Singleton = nullptr;

namespace
{
	/** The certificate authority file libcurl verifies against when told nothing else. */
	FString GetSystemCertificateFile()
	{
		FString Filename;
		if (CURL* const Probe = curl_easy_init())
		{
			char* Path = nullptr;
			if (curl_easy_getinfo(Probe, CURLINFO_CAINFO, &Path) == CURLE_OK && Path != nullptr)
			{
				Filename = UTF8_TO_TCHAR(Path);
			}
			curl_easy_cleanup(Probe);
		}
		return Filename;
	}

	bool ContainsCertificate(const TArray<uint8>& Pem)
	{
		const FUTF8ToTCHAR Text(reinterpret_cast<const ANSICHAR*>(Pem.GetData()), Pem.Num());
		return FString::ConstructFromPtrSize(Text.Get(), Text.Length()).Contains(TEXT("-----BEGIN CERTIFICATE-----"), ESearchCase::CaseSensitive);
	}
}

FHttpModule& FHttpModule::Get()
{
	if (Singleton == nullptr)
	{
		check(IsInGameThread());
		FModuleManager::LoadModuleChecked<FHttpModule>(TEXT("HTTP"));
	}
	check(Singleton != nullptr);
	return *Singleton;
}

void FHttpModule::StartupModule()
{
	curl_global_init(CURL_GLOBAL_ALL);
	HttpManager = new FHttpManager();
	Singleton = this;
}

void FHttpModule::ShutdownModule()
{
	Singleton = nullptr;
	delete HttpManager;
	HttpManager = nullptr;
	curl_global_cleanup();
}

TSharedRef<IHttpRequest, ESPMode::ThreadSafe> FHttpModule::CreateRequest()
{
	return MakeShared<FCurlHttpRequest>(CertificateBundle);
}

FHttpManager& FHttpModule::GetHttpManager()
{
	check(HttpManager != nullptr);
	return *HttpManager;
}

bool FHttpModule::AddTrustedCertificatesFile(const FString& PemFilename)
{
	TArray<uint8> Pem;
	if (!FFileHelper::LoadFileToArray(Pem, *PemFilename) || !ContainsCertificate(Pem))
	{
		UE_LOG(LogHttp, Warning, TEXT("No certificate could be read from %s"), *PemFilename);
		return false;
	}
	// libcurl takes one bundle, which replaces the system's file: so the bundle starts with it.
	TArray<uint8> Bundle;
	if (CertificateBundle.IsValid())
	{
		Bundle = *CertificateBundle;
	}
	else
	{
		const FString SystemFile = GetSystemCertificateFile();
		if (!SystemFile.IsEmpty())
		{
			FFileHelper::LoadFileToArray(Bundle, *SystemFile);
		}
	}
	Bundle.Add('\n');
	Bundle.Append(Pem);
	CertificateBundle = MakeShared<const TArray<uint8>>(MoveTemp(Bundle));
	return true;
}
