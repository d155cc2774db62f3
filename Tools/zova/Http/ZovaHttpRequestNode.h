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

	/**
	 * Loads the ZOVAHttp module by name and sends the request; the listener keeps what fired.
	 * @return false with OutError when the module is missing or neither output fired in time
	 */
	bool Send(const FFactory& Factory, const FString& Url, const FString& Body, UZovaHttpListener& Listener, FString& OutError);
}
