#pragma once

#include "CoreMinimal.h"

class FJsonValue;

namespace UE::Json::Private
{
	/**
	 * Empties the children of an array or object value. Freeing a child can free its own children in
	 * turn; past a fixed depth the children are queued and freed by the outermost call instead, so a
	 * tree nested 100,000 levels deep is freed without exhausting the stack.
	 */
	void ReleaseChildren(TArray<TSharedPtr<FJsonValue>>& Children);
	void ReleaseChildren(TMap<FString, TSharedPtr<FJsonValue>>& Children);
}
