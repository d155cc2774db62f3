#pragma once

#include "CoreMinimal.h"

/** How deeply JSON text nests its objects and arrays, measured before the text is parsed. */
namespace ZOVAJsonNesting
{
	/**
	 * The deepest nesting the library parses, objects and arrays counted together. The engine's
	 * reader takes any depth, but a parsed tree is freed recursively, one stack frame per level, so a
	 * hostile document nested a hundred thousand levels deep would overflow the game thread's stack.
	 */
	constexpr int32 MaxDepth = 512;

	/**
	 * Whether Text opens more than MaxDepth objects and arrays at once, read the way the engine's
	 * tokenizer reads it: brackets inside strings do not count, and a closing bracket closes whatever
	 * is open. One pass over the text, without allocating.
	 */
	bool IsTooDeep(const FString& Text);
}
