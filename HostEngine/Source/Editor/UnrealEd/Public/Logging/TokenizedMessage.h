#pragma once

// The engine keeps this header in Core; the host Core does not have it yet, so the compiler log
// brings it along at the same include path.

#include "CoreMinimal.h"

namespace EMessageSeverity
{
	enum Type : int
	{
		Error = 1,
		PerformanceWarning = 2,
		Warning = 3,
		Info = 4,
	};
}

/** One message of a message log, with its severity. */
class UNREALED_API FTokenizedMessage
{
public:
	static TSharedRef<FTokenizedMessage> Create(EMessageSeverity::Type InSeverity, const FText& InMessageText = FText());

	EMessageSeverity::Type GetSeverity() const { return Severity; }
	/** The message as one text. */
	FText ToText() const { return MessageText; }

private:
	EMessageSeverity::Type Severity = EMessageSeverity::Info;
	FText MessageText;
};
