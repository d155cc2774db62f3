#pragma once

#include "CoreMinimal.h"

class UZovaHttpListener;

/**
 * One request through a ZOVAHttp request node, driven as the Blueprint async node drives it: the
 * factory is called, both outputs are bound to the listener, the action is activated, and the engine
 * ticks until one output fires.
 */
namespace ZovaHttpRequestNode
{
	/** The node's factory: which function, and the name of its body parameter (none for GET). */
	struct FFactory
	{
		const TCHAR* Function;
		const TCHAR* BodyParameter;
	};

	/** How long a request may take before the tool stops waiting, unless told otherwise. */
	constexpr double DefaultTimeoutSeconds = 60.0;

	/** How the wait for the node's outputs ended. */
	enum class EOutcome : uint8
	{
		/** OnSuccess or OnFail fired; the listener holds what it sent. */
		Fired,
		/** Neither fired within the time allowed. */
		TimedOut,
		/** The ZOVAHttp module or its request class is missing. */
		Unavailable,
	};

	/**
	 * Loads the ZOVAHttp module by name, sends the request and waits at most TimeoutSeconds; the
	 * listener keeps what fired. OutError says why when the outcome is not Fired.
	 */
	EOutcome Send(const FFactory& Factory, const FString& Url, const FString& Body, double TimeoutSeconds, UZovaHttpListener& Listener, FString& OutError);
}
