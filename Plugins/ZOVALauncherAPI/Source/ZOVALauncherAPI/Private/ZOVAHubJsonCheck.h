// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

// Session documents refused before the engine's reader sees them, as invalid ones are.
namespace UE::ZOVALauncherAPI::Private
{
	/**
	 * The deepest nesting of objects and arrays (counted together) that a session document may have.
	 * The engine's reader takes any depth, but it frees a parsed tree recursively, one stack frame per
	 * level, so a document nested a hundred thousand levels deep would overflow the game thread's stack.
	 */
	constexpr int32 MaxHubJsonDepth = 512;

	/**
	 * Whether JsonText must not reach the engine's reader, because it nests deeper than
	 * MaxHubJsonDepth, closes a bracket with the other kind or one that is not open (the reader would
	 * make an object value without an object), or ends inside a string (the reader asserts when the
	 * text ends just after a backslash). Read as the engine's tokenizer reads it: a string runs to
	 * the next quote that no backslash escapes. One pass, without allocating.
	 */
	bool IsHubJsonRefused(const FString& JsonText);
}
