#pragma once

#include "CoreMinimal.h"

#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib
{
	class SSLServer;
}

/** The query values the login call must carry, as plain text once decoded. */
struct FDemoLoginQuery
{
	FString Token;
	FString UserName;
	FString Password;
};

/**
 * Stands in for the launcher's web service: an HTTPS service on 127.0.0.1 that answers
 * "/wp-json/zova/api/user-login" with the reply document when the decoded query values are the
 * expected ones, and with 403 otherwise. It serves on a thread of its own until destroyed.
 */
class FDemoLoginService
{
public:
	static const TCHAR* const LoginPath;

	FDemoLoginService(const FDemoLoginQuery& InExpected, const FString& InReply);
	~FDemoLoginService();

	FDemoLoginService(const FDemoLoginService&) = delete;
	FDemoLoginService& operator=(const FDemoLoginService&) = delete;

	/** Starts serving with the PEM certificate and key; false with OutError when that fails. */
	bool Start(const FString& CertificatePath, const FString& KeyPath, FString& OutError);

	int32 GetPort() const { return Port; }

	/** How many login calls arrived, and how many of them carried the expected values. */
	int32 GetNumLogins() const;
	int32 GetNumAcceptedLogins() const;

private:
	std::string ExpectedToken;
	std::string ExpectedUserName;
	std::string ExpectedPassword;
	std::string Reply;
	std::unique_ptr<httplib::SSLServer> Server;
	std::thread ListenThread;
	int32 Port = 0;
	mutable std::mutex Mutex;
	int32 NumLogins = 0;
	int32 NumAcceptedLogins = 0;
};
