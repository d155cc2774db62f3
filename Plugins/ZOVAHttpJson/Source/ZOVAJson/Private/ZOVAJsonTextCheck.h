// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

/**
 * Text the library refuses before the engine's reader sees it. The reader takes more than JSON, and
 * some of what it takes would crash the game thread or give a wrong value later, so such text is
 * refused just as invalid JSON is.
 */
namespace ZOVAJsonTextCheck
{
	/**
	 * The deepest nesting the library parses, objects and arrays counted together. The engine's
	 * reader takes any depth, but a parsed tree is freed recursively, one stack frame per level, so a
	 * hostile document nested a hundred thousand levels deep would overflow the game thread's stack.
	 */
	constexpr int32 MaxDepth = 512;

	/**
	 * Whether Text must not reach the engine's reader, because it
	 * - nests objects and arrays deeper than MaxDepth;
	 * - closes a bracket with the other kind, or closes one that is not open (an array closed by '}'
	 *   becomes an object value without an object, which the engine's writer asserts on);
	 * - ends inside a string (the reader asserts when the text ends just after a backslash);
	 * - holds a NaN outside strings (the reader gives it the text of the token before it).
	 * The text is read the way the engine's tokenizer reads it: a string runs to the next quote that
	 * no backslash escapes, and what is inside strings does not count. One pass, without allocating.
	 */
	bool IsRefused(const FString& Text);
}
