#pragma once

// GoogleTest printers for the engine's text types, so failed expectations show readable text.

#include "CoreMinimal.h"

#include <ostream>

inline void PrintTo(const FString& Value, std::ostream* Out)
{
	*Out << '"' << TCHAR_TO_UTF8(*Value) << '"';
}

inline void PrintTo(const FName& Value, std::ostream* Out)
{
	*Out << TCHAR_TO_UTF8(*Value.ToString());
}

inline void PrintTo(const FText& Value, std::ostream* Out)
{
	*Out << "FText(\"" << TCHAR_TO_UTF8(*Value.ToString()) << "\")";
}
