#pragma once

#include "CoreMinimal.h"
#include "Containers/Ticker.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"

class FHttpListener;
class IHttpRouter;

DECLARE_LOG_CATEGORY_EXTERN(LogHttpServerModule, Log, All);

/**
 * The HTTP server: one listener per port, each with its router. Listeners accept requests once
 * StartAllListeners has been called, and route handlers run on the game thread, from this module's
 * tick of the core ticker.
 */
class FHttpServerModule : public IModuleInterface, public FTSTickerObjectBase
{
public:
	FHttpServerModule();
	~FHttpServerModule();

	/** @return whether the module is loaded, so that Get may be called */
	HTTPSERVER_API static bool IsAvailable();

	/** The module, loaded on first use (on the game thread). */
	HTTPSERVER_API static FHttpServerModule& Get();

	/**
	 * The router of the listener on Port, made on first use. When listeners have been started the new
	 * listener starts at once; the port must not be 0.
	 * @param bFailOnBindFailure - return null, instead of a router that serves nothing, when listeners
	 *        have been started and the port cannot be bound
	 */
	HTTPSERVER_API TSharedPtr<IHttpRouter> GetHttpRouter(uint32 Port, bool bFailOnBindFailure = false);

	//~ Begin FTSTickerObjectBase Interface
	virtual bool Tick(float DeltaTime) override;
	//~ End FTSTickerObjectBase Interface

	/** Starts every listener that is not listening, and the ones made from now on. */
	HTTPSERVER_API void StartAllListeners();

	/** Stops every listener; their ports are released and their routers kept. */
	HTTPSERVER_API void StopAllListeners();

	/** @return whether a request is being handled or answered by any listener */
	HTTPSERVER_API bool HasPendingListeners() const;

private:
	//~ Begin IModuleInterface Interface
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;
	//~ End IModuleInterface Interface

	static FHttpServerModule* Singleton;

	TMap<uint32, TUniquePtr<FHttpListener>> Listeners;

	/** Whether listeners accept requests */
	bool bHttpListenersEnabled = false;
};
