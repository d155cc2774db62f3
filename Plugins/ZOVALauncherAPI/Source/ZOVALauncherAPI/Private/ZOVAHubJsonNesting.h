#pragma once

#include "CoreMinimal.h"

// The nesting limit of the session document, checked on the text before it is parsed.
namespace UE::ZOVALauncherAPI::Private
{
	/**
	 * The deepest nesting of objects and arrays (counted together) that a session document may have.
	 * The engine's reader takes any depth, but it frees a parsed tree recursively, one stack frame per
	 * level, so a document nested a hundred thousand levels deep would overflow the game thread's stack.
	 */
	constexpr int32 MaxHubJsonDepth = 512;

	/**
	 * Whether JsonText opens more than MaxHubJsonDepth objects and arrays at once, as the engine's
	 * tokenizer reads it: brackets inside strings do not count, and a closing bracket closes whatever
	 * is open. One pass over the text, without allocating.
	 */
	bool IsNestedTooDeep(const FString& JsonText);
}
