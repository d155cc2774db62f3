#include "HttpServerModule.h"
#include "HttpListener.h"
#include "HttpRouter.h"

DEFINE_LOG_CATEGORY(LogHttpServerModule);

IMPLEMENT_MODULE(FHttpServerModule, HTTPServer)

FHttpServerModule* FHttpServerModule::Singleton = nullptr;

FHttpServerModule::FHttpServerModule()
{
}

FHttpServerModule::~FHttpServerModule()
{
}

void FHttpServerModule::StartupModule()
{
	Singleton = this;
}

void FHttpServerModule::ShutdownModule()
{
	StopAllListeners();
	Listeners.Empty();
	Singleton = nullptr;
}

bool FHttpServerModule::IsAvailable()
{
	return Singleton != nullptr;
}

FHttpServerModule& FHttpServerModule::Get()
{
	if (Singleton == nullptr)
	{
		check(IsInGameThread());
		FModuleManager::LoadModuleChecked<FHttpServerModule>(TEXT("HTTPServer"));
	}
	check(Singleton != nullptr);
	return *Singleton;
}

TSharedPtr<IHttpRouter> FHttpServerModule::GetHttpRouter(uint32 Port, bool bFailOnBindFailure)
{
	check(Singleton == this);

	if (TUniquePtr<FHttpListener>* const ExistingListener = Listeners.Find(Port))
	{
		if (!bHttpListenersEnabled || (*ExistingListener)->IsListening())
		{
			return (*ExistingListener)->GetRouter();
		}
		// Its port could not be bound when listeners started: it is replaced by one that tries again.
		UE_LOG(LogHttpServerModule, Error, TEXT("[%s] the existing listener for port %u is not listening/bound and listeners are still enabled"), ANSI_TO_TCHAR(__FUNCTION__), Port);
		Listeners.Remove(Port);
	}

	TUniquePtr<FHttpListener> NewListener = MakeUnique<FHttpListener>(Port);
	if (bHttpListenersEnabled && !NewListener->StartListening())
	{
		UE_LOG(LogHttpServerModule, Warning, TEXT("[%s] failed to start listening on port %u! (bFailOnBindFailure? %s)"), ANSI_TO_TCHAR(__FUNCTION__), Port, *LexToString(bFailOnBindFailure));
		if (bFailOnBindFailure)
		{
			return nullptr;
		}
	}
	// Without bFailOnBindFailure the router comes back whether or not its port could be bound.
	const TSharedPtr<IHttpRouter> Router = NewListener->GetRouter();
	Listeners.Add(Port, MoveTemp(NewListener));
	return Router;
}

bool FHttpServerModule::Tick(float DeltaTime)
{
	check(Singleton == this);
	if (bHttpListenersEnabled)
	{
		for (const TPair<uint32, TUniquePtr<FHttpListener>>& Listener : Listeners)
		{
			Listener.Value->Tick(DeltaTime);
		}
	}
	return true;
}

void FHttpServerModule::StartAllListeners()
{
	bHttpListenersEnabled = true;
	UE_LOG(LogHttpServerModule, Log, TEXT("Starting all listeners..."));
	for (const TPair<uint32, TUniquePtr<FHttpListener>>& Listener : Listeners)
	{
		if (!Listener.Value->IsListening())
		{
			Listener.Value->StartListening();
		}
	}
	UE_LOG(LogHttpServerModule, Log, TEXT("All listeners started"));
}

void FHttpServerModule::StopAllListeners()
{
	UE_LOG(LogHttpServerModule, Log, TEXT("Stopping all listeners..."));
	bHttpListenersEnabled = false;
	for (const TPair<uint32, TUniquePtr<FHttpListener>>& Listener : Listeners)
	{
		if (Listener.Value->IsListening())
		{
			Listener.Value->StopListening();
		}
	}
	UE_LOG(LogHttpServerModule, Log, TEXT("All listeners stopped"));
}

bool FHttpServerModule::HasPendingListeners() const
{
	for (const TPair<uint32, TUniquePtr<FHttpListener>>& Listener : Listeners)
	{
		if (Listener.Value->HasPendingConnections())
		{
			return true;
		}
	}
	return false;
}
