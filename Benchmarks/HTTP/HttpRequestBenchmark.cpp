// 2,000 small GETs to a loopback server through the HTTP module (completions delivered by engine
// ticks), beside the same 2,000 GETs made directly with libcurl's multi interface in the same run.
// Both keep one multi handle for the whole run and open at most 16 connections to the server, as the
// module does. Target: the module reaches at least half the direct figure.

#include "BenchmarkPair.h"
#include "CoreMinimal.h"
#include "EngineLoopTickUntil.h"
#include "HttpModule.h"
#include "Interfaces/IHttpRequest.h"
#include "Interfaces/IHttpResponse.h"

#include <curl/curl.h>
#include <httplib.h>

#include <thread>

namespace
{
	constexpr int32 NumRequests = 2000;
	constexpr long MaxHostConnections = 16;

	/** cpp-httplib on 127.0.0.1, with a worker for every connection and long-lived connections. */
	class FSmallResponseServer
	{
	public:
		FSmallResponseServer()
		{
			Server.new_task_queue = [] { return new httplib::ThreadPool(64); };
			Server.set_keep_alive_max_count(100000);
			// Headers and body go out in separate writes; without this, Nagle's algorithm holds the body.
			Server.set_tcp_nodelay(true);
			Server.Get("/small", [](const httplib::Request&, httplib::Response& Response) { Response.set_content("ok", "text/plain"); });
			Port = Server.bind_to_any_port("127.0.0.1");
			Thread = std::thread([this]() { Server.listen_after_bind(); });
			while (!Server.is_running())
			{
				std::this_thread::yield();
			}
		}

		~FSmallResponseServer()
		{
			Server.stop();
			Thread.join();
		}

		std::string Url() const { return "http://127.0.0.1:" + std::to_string(Port) + "/small"; }

	private:
		httplib::Server Server;
		std::thread Thread;
		int Port = 0;
	};

	FSmallResponseServer& GetServer()
	{
		static FSmallResponseServer Server;
		return Server;
	}

	void HttpModuleRequests()
	{
		static const FString Url(GetServer().Url().c_str());
		int32 Completed = 0;
		int32 Failures = 0;
		for (int32 Index = 0; Index < NumRequests; ++Index)
		{
			const FHttpRequestRef Request = FHttpModule::Get().CreateRequest();
			Request->SetURL(Url);
			Request->SetVerb(TEXT("GET"));
			Request->OnProcessRequestComplete().BindLambda([&Completed, &Failures](FHttpRequestPtr, FHttpResponsePtr Response, bool bConnectedSuccessfully) {
				++Completed;
				Failures += bConnectedSuccessfully && Response->GetResponseCode() == 200 ? 0 : 1;
			});
			Request->ProcessRequest();
		}
		checkf(TickEngineLoopUntil([&Completed]() { return Completed == NumRequests; }, 300.0, MAX_int32), TEXT("requests did not complete"));
		checkf(Failures == 0, TEXT("%d requests failed"), Failures);
	}

	size_t DiscardBody(char*, size_t Size, size_t Count, void*)
	{
		return Size * Count;
	}

	void DirectCurlMultiRequests()
	{
		static const std::string Url = GetServer().Url();
		static CURLM* const Multi = []()
		{
			CURLM* const Handle = curl_multi_init();
			curl_multi_setopt(Handle, CURLMOPT_MAX_HOST_CONNECTIONS, MaxHostConnections);
			return Handle;
		}();
		for (int32 Index = 0; Index < NumRequests; ++Index)
		{
			CURL* const Easy = curl_easy_init();
			curl_easy_setopt(Easy, CURLOPT_URL, Url.c_str());
			curl_easy_setopt(Easy, CURLOPT_NOSIGNAL, 1L);
			curl_easy_setopt(Easy, CURLOPT_PROXY, "");
			curl_easy_setopt(Easy, CURLOPT_WRITEFUNCTION, &DiscardBody);
			curl_multi_add_handle(Multi, Easy);
		}
		int32 Completed = 0;
		int32 Failures = 0;
		while (Completed < NumRequests)
		{
			int Running = 0;
			curl_multi_perform(Multi, &Running);
			int Left = 0;
			while (CURLMsg* const Message = curl_multi_info_read(Multi, &Left))
			{
				if (Message->msg == CURLMSG_DONE)
				{
					long Code = 0;
					curl_easy_getinfo(Message->easy_handle, CURLINFO_RESPONSE_CODE, &Code);
					Failures += Message->data.result == CURLE_OK && Code == 200 ? 0 : 1;
					curl_multi_remove_handle(Multi, Message->easy_handle);
					curl_easy_cleanup(Message->easy_handle);
					++Completed;
				}
			}
			curl_multi_poll(Multi, nullptr, 0, 100, nullptr);
		}
		checkf(Failures == 0, TEXT("%d requests failed"), Failures);
	}

	// Both sides wait for the server and poll, so their instruction counts follow the scheduling.
	const FBenchmarkPairRegistration ModuleOverDirectCurl({.Name = "HttpModuleRequests_vs_DirectCurlMultiRequests", .Measured = &HttpModuleRequests, .Baseline = &DirectCurlMultiRequests, .Pairs = 15, .bWallClock = true, .bCountInstructions = false});
}

int main(int ArgC, char** ArgV)
{
	benchmark::Initialize(&ArgC, ArgV);
	if (benchmark::ReportUnrecognizedArguments(ArgC, ArgV))
	{
		return 1;
	}
	GEngineLoop.PreInit(TEXT(""));
	GEngineLoop.Init();
	benchmark::RunSpecifiedBenchmarks();
	GEngineLoop.Exit();
	benchmark::Shutdown();
	return 0;
}
