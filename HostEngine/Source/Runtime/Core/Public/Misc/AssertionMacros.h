#pragma once

#include "HAL/Platform.h"

struct CORE_API FDebug
{
	/** Reports a failed check() and ends the process, as a fatal assertion does in the engine. */
	[[noreturn]] static void AssertFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Format = nullptr, ...);

	/** Reports a failed ensure() once per call site; returns false so the caller can recover. */
	static bool OptionallyLogFormattedEnsureMessageReturningFalse(bool bLog, const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Format = nullptr, ...);
};

#define check(expr) \
	do \
	{ \
		if (!(expr)) [[unlikely]] \
		{ \
			FDebug::AssertFailed(#expr, __FILE__, __LINE__); \
		} \
	} while (false)

#define checkf(expr, format, ...) \
	do \
	{ \
		if (!(expr)) [[unlikely]] \
		{ \
			FDebug::AssertFailed(#expr, __FILE__, __LINE__, format, ##__VA_ARGS__); \
		} \
	} while (false)

#define checkNoEntry() FDebug::AssertFailed("Enclosing block should never be called", __FILE__, __LINE__)
#define checkSlow(expr)
#define checkfSlow(expr, format, ...)
#define verify(expr) check(expr)
#define verifyf(expr, format, ...) checkf(expr, format, ##__VA_ARGS__)

// Each expansion owns its lambda, so each call site remembers on its own whether it has fired.
#define UE_PRIVATE_ENSURE_FIRST_TIME(Always) ([]() { static bool bFired = false; const bool bFirst = (Always) || !bFired; bFired = true; return bFirst; }())
#define UE_PRIVATE_ENSURE_IMPL(Always, InExpression, ...) \
	(!!(InExpression) || FDebug::OptionallyLogFormattedEnsureMessageReturningFalse(UE_PRIVATE_ENSURE_FIRST_TIME(Always), #InExpression, __FILE__, __LINE__, ##__VA_ARGS__))

#define ensure(InExpression) UE_PRIVATE_ENSURE_IMPL(false, InExpression)
#define ensureMsgf(InExpression, InFormat, ...) UE_PRIVATE_ENSURE_IMPL(false, InExpression, InFormat, ##__VA_ARGS__)
#define ensureAlways(InExpression) UE_PRIVATE_ENSURE_IMPL(true, InExpression)
#define ensureAlwaysMsgf(InExpression, InFormat, ...) UE_PRIVATE_ENSURE_IMPL(true, InExpression, InFormat, ##__VA_ARGS__)

#define GET_FUNCTION_NAME_CHECKED(ClassName, FunctionName) \
	((void)sizeof(&ClassName::FunctionName), FName(TEXT(#FunctionName)))
#define GET_FUNCTION_NAME_STRING_CHECKED(ClassName, FunctionName) \
	((void)sizeof(&ClassName::FunctionName), TEXT(#FunctionName))
#define GET_MEMBER_NAME_CHECKED(ClassName, MemberName) \
	((void)sizeof(UE_PRIVATE_MEMBER_SIZE(ClassName, MemberName)), FName(TEXT(#MemberName)))
#define GET_MEMBER_NAME_STRING_CHECKED(ClassName, MemberName) \
	((void)sizeof(UE_PRIVATE_MEMBER_SIZE(ClassName, MemberName)), TEXT(#MemberName))
#define UE_PRIVATE_MEMBER_SIZE(ClassName, MemberName) (((ClassName*)nullptr)->MemberName)
