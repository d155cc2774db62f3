#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"

/** UTF-16 to UTF-8; an unpaired surrogate becomes '?', as the engine writes a bogus character. */
class CORE_API FTCHARToUTF8
{
public:
	explicit FTCHARToUTF8(const TCHAR* Source);
	FTCHARToUTF8(const TCHAR* Source, int32 SourceLen);

	const ANSICHAR* Get() const { return Buffer.GetData(); }
	/** Bytes written, without the terminating zero. */
	int32 Length() const { return Buffer.Num() - 1; }

private:
	TArray<ANSICHAR> Buffer;
};

/** UTF-8 to UTF-16; stops at a zero byte, and each invalid sequence becomes U+FFFD. */
class CORE_API FUTF8ToTCHAR
{
public:
	explicit FUTF8ToTCHAR(const ANSICHAR* Source);
	FUTF8ToTCHAR(const ANSICHAR* Source, int32 SourceLen);

	const TCHAR* Get() const { return Buffer.GetData(); }
	int32 Length() const { return Buffer.Num() - 1; }

private:
	TArray<TCHAR> Buffer;
};

namespace UE::Core::Private
{
	/** Converter object of StringCast: same lifetime rule as the engine's. */
	template <typename ToType, typename FromType>
	class TStringCast;

	template <>
	class TStringCast<UTF8CHAR, TCHAR> : public FTCHARToUTF8
	{
	public:
		using FTCHARToUTF8::FTCHARToUTF8;
		const UTF8CHAR* Get() const { return reinterpret_cast<const UTF8CHAR*>(FTCHARToUTF8::Get()); }
	};

	template <>
	class TStringCast<ANSICHAR, TCHAR> : public FTCHARToUTF8
	{
	public:
		using FTCHARToUTF8::FTCHARToUTF8;
	};

	template <>
	class TStringCast<TCHAR, UTF8CHAR> : public FUTF8ToTCHAR
	{
	public:
		TStringCast(const UTF8CHAR* Source) : FUTF8ToTCHAR(reinterpret_cast<const ANSICHAR*>(Source)) {}
		TStringCast(const UTF8CHAR* Source, int32 Len) : FUTF8ToTCHAR(reinterpret_cast<const ANSICHAR*>(Source), Len) {}
	};

	template <>
	class TStringCast<TCHAR, ANSICHAR> : public FUTF8ToTCHAR
	{
	public:
		using FUTF8ToTCHAR::FUTF8ToTCHAR;
	};

	template <>
	class TStringCast<TCHAR, TCHAR>
	{
	public:
		TStringCast(const TCHAR* Source) : Ptr(Source) {}
		TStringCast(const TCHAR* Source, int32 Len) : Ptr(Source), Count(Len) {}
		const TCHAR* Get() const { return Ptr; }
		int32 Length() const;

	private:
		const TCHAR* Ptr;
		int32 Count = -1;
	};
}

template <typename ToType, typename FromType>
UE::Core::Private::TStringCast<ToType, FromType> StringCast(const FromType* Str)
{
	return UE::Core::Private::TStringCast<ToType, FromType>(Str);
}

template <typename ToType, typename FromType>
UE::Core::Private::TStringCast<ToType, FromType> StringCast(const FromType* Str, int32 Len)
{
	return UE::Core::Private::TStringCast<ToType, FromType>(Str, Len);
}

#define TCHAR_TO_UTF8(str) (ANSICHAR*)FTCHARToUTF8((const TCHAR*)(str)).Get()
#define UTF8_TO_TCHAR(str) (TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)(str)).Get()
#define TCHAR_TO_ANSI(str) TCHAR_TO_UTF8(str)
#define ANSI_TO_TCHAR(str) UTF8_TO_TCHAR(str)
