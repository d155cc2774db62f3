#include "Misc/AssertionMacros.h"
#include "CoreGlobals.h"
#include "Containers/StringConv.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace
{
	FString DescribeFailure(const TCHAR* Kind, const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Format, va_list Args)
	{
		FString Message = FString::Printf(TEXT("%s failed: %s [File:%s] [Line: %d]"), Kind, UTF8_TO_TCHAR(Expr), UTF8_TO_TCHAR(File), Line);
		if (Format)
		{
			Message += TEXT(" ");
			Message += FormatVarArgs(Format, Args);
		}
		return Message;
	}
}

void FDebug::AssertFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Format, ...)
{
	va_list Args;
	va_start(Args, Format);
	const FString Message = DescribeFailure(TEXT("Assertion"), Expr, File, Line, Format, Args);
	va_end(Args);
	GLog->Serialize(*Message, ELogVerbosity::Fatal, FName(TEXT("LogAssert")));
	GLog->Flush();
	fflush(stderr);
	abort();
}

bool FDebug::OptionallyLogFormattedEnsureMessageReturningFalse(bool bLog, const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Format, ...)
{
	if (bLog)
	{
		va_list Args;
		va_start(Args, Format);
		const FString Message = DescribeFailure(TEXT("Ensure condition"), Expr, File, Line, Format, Args);
		va_end(Args);
		GLog->Serialize(*Message, ELogVerbosity::Error, FName(TEXT("LogOutputDevice")));
	}
	return false;
}
