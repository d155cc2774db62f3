#pragma once

#include "Containers/UnrealString.h"

#include <string>

/** The string's code units, for comparisons that must not ignore case and that print readably. */
inline std::u16string ExactText(const FString& Text)
{
	return std::u16string(*Text, Text.Len());
}
