#pragma once

#include "CoreMinimal.h"

class UObject;

namespace UE::CoreUObject::Private
{
	FString QuoteText(const FString& Text);
	/** Reads a "quoted" text with backslash escapes; returns the position after it, or null. */
	const TCHAR* ReadQuotedText(const TCHAR* Buffer, FString& Out);
	/** Skips one value of the delimited text form (a token, a quoted text or a bracketed group); the position after it, or null. */
	const TCHAR* SkipDelimitedValue(const TCHAR* Buffer);

	/**
	 * Resolves "Class'Path'" or a bare path to an object. While a text import runs, paths of the
	 * objects it exported resolve to their new copies.
	 */
	UObject* ResolveObjectReference(const FString& Reference);

	/** Redirects the paths of exported objects to their imported copies for the duration of an import. */
	struct FScopedReferenceRemap
	{
		explicit FScopedReferenceRemap(const TMap<FString, UObject*>& InRemap);
		~FScopedReferenceRemap();

	private:
		const TMap<FString, UObject*>* Previous;
	};
}
