#pragma once

#include "CoreMinimal.h"
#include "Kismet2/CompilerResultsLog.h"

/** What every graph compiler shares: the log its messages go to. */
class KISMETCOMPILER_API FGraphCompilerContext
{
public:
	virtual ~FGraphCompilerContext() = default;

	/** Errors, warnings and notes of the compile, and what intermediate objects were made from. */
	FCompilerResultsLog& MessageLog;

protected:
	explicit FGraphCompilerContext(FCompilerResultsLog& InMessageLog)
		: MessageLog(InMessageLog)
	{
	}
};
