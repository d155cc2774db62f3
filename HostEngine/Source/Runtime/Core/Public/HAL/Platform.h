// Host engine: the platform types and macros of a Linux editor build.
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::uint8_t uint8;
typedef std::uint16_t uint16;
typedef std::uint32_t uint32;
typedef std::uint64_t uint64;
typedef std::int8_t int8;
typedef std::int16_t int16;
typedef std::int32_t int32;
typedef std::int64_t int64;
typedef std::size_t SIZE_T;
typedef std::intptr_t PTRINT;
typedef std::uintptr_t UPTRINT;

// TCHAR is a UTF-16 code unit on Linux, as in the engine.
typedef char ANSICHAR;
typedef char16_t WIDECHAR;
typedef char16_t TCHAR;
typedef char8_t UTF8CHAR;
typedef char16_t UTF16CHAR;
typedef char32_t UTF32CHAR;

#define PLATFORM_LINUX 1
#define PLATFORM_WINDOWS 0
#define PLATFORM_MAC 0
#define PLATFORM_LITTLE_ENDIAN 1

#define WITH_EDITOR 1
#define WITH_EDITORONLY_DATA 1
#define WITH_METADATA 1
#define WITH_ENGINE 1
#define DO_CHECK 1
#define DO_GUARD_SLOW 0
#define UE_BUILD_SHIPPING 0
#define UE_BUILD_DEVELOPMENT 1
#define WITH_DEV_AUTOMATION_TESTS 1
#define WITH_PERF_AUTOMATION_TESTS 1
#define WITH_AUTOMATION_WORKER !UE_BUILD_SHIPPING

#define UE_PRIVATE_TEXT_CONCAT(x) u##x
#define TEXT(x) UE_PRIVATE_TEXT_CONCAT(x)
#define LINE_TERMINATOR TEXT("\n")
#define LINE_TERMINATOR_ANSI "\n"

#define DLLEXPORT __attribute__((visibility("default")))
#define DLLIMPORT __attribute__((visibility("default")))
#define FORCEINLINE inline __attribute__((always_inline))
#define FORCENOINLINE __attribute__((noinline))
#define UE_NODISCARD [[nodiscard]]
#define UE_ARRAY_COUNT(Array) (sizeof(Array) / sizeof((Array)[0]))
#define UE_PTRDIFF_TO_INT32(Value) ((int32)(Value))
// Tells static analysis that Expr holds; nothing to do without an analyser.
#define CA_ASSUME(Expr)

#define PRAGMA_DISABLE_DEPRECATION_WARNINGS \
	_Pragma("GCC diagnostic push") \
	_Pragma("GCC diagnostic ignored \"-Wdeprecated-declarations\"")
#define PRAGMA_ENABLE_DEPRECATION_WARNINGS _Pragma("GCC diagnostic pop")

#define THIRD_PARTY_INCLUDES_START \
	_Pragma("GCC diagnostic push") \
	_Pragma("GCC diagnostic ignored \"-Wdeprecated-declarations\"") \
	_Pragma("GCC diagnostic ignored \"-Wshadow\"")
#define THIRD_PARTY_INCLUDES_END _Pragma("GCC diagnostic pop")

enum
{
	INDEX_NONE = -1
};

enum EForceInit
{
	ForceInit,
	ForceInitToZero
};

enum ENoInit
{
	NoInit
};

#define MAX_uint8 ((uint8)0xff)
#define MAX_uint16 ((uint16)0xffff)
#define MAX_uint32 ((uint32)0xffffffff)
#define MAX_int32 ((int32)0x7fffffff)
#define MIN_int32 ((int32)0x80000000)
#define MAX_int64 ((int64)0x7fffffffffffffff)
