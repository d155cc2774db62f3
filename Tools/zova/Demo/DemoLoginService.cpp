#include "Demo/DemoLoginService.h"

#include <httplib.h>

namespace
{
	std::string ToUtf8(const FString& Text)
	{
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		return std::string(Utf8.Get(), Utf8.Length());
	}

	const char* const RejectedReply = R"({"code":"rejected","message":"unexpected login values"})";
}

const TCHAR* const FDemoLoginService::LoginPath = TEXT("/wp-json/zova/api/user-login");

FDemoLoginService::FDemoLoginService(const FDemoLoginQuery& InExpected, const FString& InReply)
	: ExpectedToken(ToUtf8(InExpected.Token))
	, ExpectedUserName(ToUtf8(InExpected.UserName))
	, ExpectedPassword(ToUtf8(InExpected.Password))
	, Reply(ToUtf8(InReply))
{
}

FDemoLoginService::~FDemoLoginService()
{
	if (ListenThread.joinable())
	{
		Server->stop();
		ListenThread.join();
	}
}

bool FDemoLoginService::Start(const FString& CertificatePath, const FString& KeyPath, FString& OutError)
{
	Server = std::make_unique<httplib::SSLServer>(ToUtf8(CertificatePath).c_str(), ToUtf8(KeyPath).c_str());
	if (!Server->is_valid())
	{
		OutError = TEXT("the HTTPS service refused its certificate or key");
		return false;
	}
	// One request per connection, so that stopping never waits out a kept-alive client.
	Server->set_keep_alive_max_count(1);
	Server->Get(ToUtf8(LoginPath), [this](const httplib::Request& Request, httplib::Response& Response)
	{
		// httplib hands the query values over decoded, so they compare with the plain text.
		const bool bAccepted = Request.get_param_value("token") == ExpectedToken
			&& Request.get_param_value("user_name") == ExpectedUserName
			&& Request.get_param_value("password") == ExpectedPassword;
		{
			const std::lock_guard<std::mutex> Lock(Mutex);
			++NumLogins;
			NumAcceptedLogins += bAccepted ? 1 : 0;
		}
		Response.status = bAccepted ? 200 : 403;
		Response.set_content(bAccepted ? Reply : RejectedReply, "application/json; charset=utf-8");
	});
	Port = Server->bind_to_any_port("127.0.0.1");
	if (Port <= 0)
	{
		OutError = TEXT("the HTTPS service cannot listen on 127.0.0.1");
		return false;
	}
	ListenThread = std::thread([this]() { Server->listen_after_bind(); });
	return true;
}

int32 FDemoLoginService::GetNumLogins() const
{
	const std::lock_guard<std::mutex> Lock(Mutex);
	return NumLogins;
}

int32 FDemoLoginService::GetNumAcceptedLogins() const
{
	const std::lock_guard<std::mutex> Lock(Mutex);
	return NumAcceptedLogins;
}
