#pragma once

#include "CoreMinimal.h"
#include "HttpFwd.h"
#include "Modules/ModuleInterface.h"

class FHttpManager;

/** The HTTP module: creates requests, and owns the manager that runs them. */
class FHttpModule : public IModuleInterface
{
public:
	/** The module, loaded on first use. */
	HTTP_API static FHttpModule& Get();

	/** A new request; it runs over libcurl on the HTTP thread. */
	HTTP_API virtual TSharedRef<IHttpRequest, ESPMode::ThreadSafe> CreateRequest();

	/** The manager that runs requests and delivers their completions. */
	HTTP_API FHttpManager& GetHttpManager();

	/**
	 * Host engine only, with no engine twin: trusts the certificates of a PEM file in addition to
	 * the system's certificate authorities, as a project ships its own certificates under
	 * Content/Certificates. Verification stays on; requests created afterwards use them.
	 * @return false when the file cannot be read or holds no certificate
	 */
	HTTP_API bool AddTrustedCertificatesFile(const FString& PemFilename);

	/** @return seconds for the entire request to complete, waiting for a connection included; 0 is no timeout */
	float GetHttpTotalTimeout() const { return HttpTotalTimeout; }

	/** @return seconds an established connection may go without sending or receiving anything */
	float GetHttpActivityTimeout() const { return HttpActivityTimeout; }

	/** @return seconds to establish the connection */
	float GetHttpConnectionTimeout() const { return HttpConnectionTimeout; }

	/** Sets the seconds for the entire request to complete (0 is no timeout); requests started afterwards use it. */
	void SetHttpTimeout(float TimeOutInSec) { HttpTotalTimeout = TimeOutInSec; }

	//~ Begin IModuleInterface Interface
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;
	//~ End IModuleInterface Interface

private:
	static FHttpModule* Singleton;

	FHttpManager* HttpManager = nullptr;

	// The host's defaults, where a game would read its Engine.ini [HTTP] section.
	float HttpTotalTimeout = 0.0f;
	float HttpActivityTimeout = 30.0f;
	float HttpConnectionTimeout = 30.0f;

	/** The system's certificate authorities followed by the added files; null until one is added. */
	TSharedPtr<const TArray<uint8>, ESPMode::ThreadSafe> CertificateBundle;
};
