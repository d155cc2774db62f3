#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Misc/CString.h"

#include <type_traits>

template <typename Converter>
class TStringConversion;

namespace UE::Core::Private
{
	/**
	 * The conversions behind every converter below, each one pass over exactly SourceLen units, zeros
	 * included. Dest must hold the most the source can give (MaxConvertedUnits per source unit); they
	 * return the units written. What cannot be converted becomes '?', the engine's bogus character:
	 * UTF-8 to UTF-16 gives one for each invalid or truncated sequence (overlong forms, surrogates,
	 * U+FFFE and U+FFFF, beyond U+10FFFF, the old five and six byte forms), and the byte that breaks a
	 * sequence belongs to it; UTF-16 to UTF-8 gives one for each unpaired surrogate and for U+FFFE and
	 * U+FFFF; UTF-16 to ANSI gives one for each unit above 0x7F. ANSI bytes widen as the char type does.
	 */
	CORE_API int32 ConvertInOnePass(UTF8CHAR* Dest, const TCHAR* Source, int32 SourceLen);
	CORE_API int32 ConvertInOnePass(TCHAR* Dest, const UTF8CHAR* Source, int32 SourceLen);
	CORE_API int32 ConvertInOnePass(ANSICHAR* Dest, const TCHAR* Source, int32 SourceLen);
	CORE_API int32 ConvertInOnePass(TCHAR* Dest, const ANSICHAR* Source, int32 SourceLen);

	/** Units the UTF-8 conversions above write; the Dest argument only picks the direction. */
	CORE_API int32 GetConvertedLength(const UTF8CHAR* Dest, const TCHAR* Source, int32 SourceLen);
	CORE_API int32 GetConvertedLength(const TCHAR* Dest, const UTF8CHAR* Source, int32 SourceLen);

	/** Converts into Dest when the result fits DestLen; returns one past the last unit written, or null. */
	CORE_API UTF8CHAR* Convert(UTF8CHAR* Dest, int32 DestLen, const TCHAR* Source, int32 SourceLen);
	CORE_API TCHAR* Convert(TCHAR* Dest, int32 DestLen, const UTF8CHAR* Source, int32 SourceLen);

	template <typename FromType, typename ToType>
	inline constexpr int32 MaxConvertedUnits = 1;
	template <>
	inline constexpr int32 MaxConvertedUnits<TCHAR, UTF8CHAR> = 3;

	/** UTF-16 to UTF-8 typed as ANSICHAR, what FTCHARToUTF8 converts with. */
	class FTCHARToUTF8_Convert
	{
	public:
		typedef TCHAR FromType;
		typedef ANSICHAR ToType;

		/** @return the bytes written, or -1 when the whole source does not fit DestLen. */
		static int32 Convert(UTF8CHAR* Dest, int32 DestLen, const TCHAR* Source, int32 SourceLen)
		{
			UTF8CHAR* const End = UE::Core::Private::Convert(Dest, DestLen, Source, SourceLen);
			return End ? (int32)(End - Dest) : -1;
		}
		static int32 Convert(ANSICHAR* Dest, int32 DestLen, const TCHAR* Source, int32 SourceLen)
		{
			return Convert(reinterpret_cast<UTF8CHAR*>(Dest), DestLen, Source, SourceLen);
		}
		static int32 ConvertedLength(const TCHAR* Source, int32 SourceLen)
		{
			return GetConvertedLength((const UTF8CHAR*)nullptr, Source, SourceLen);
		}

	private:
		template <typename>
		friend class ::TStringConversion;
		static constexpr int32 MaxUnitsPerSourceUnit = MaxConvertedUnits<TCHAR, UTF8CHAR>;
		static int32 ConvertInOnePass(ANSICHAR* Dest, const TCHAR* Source, int32 SourceLen)
		{
			return UE::Core::Private::ConvertInOnePass(reinterpret_cast<UTF8CHAR*>(Dest), Source, SourceLen);
		}
	};
}

using FTCHARToUTF8_Convert = UE::Core::Private::FTCHARToUTF8_Convert;

/** UTF-8 to UTF-16; also takes UTF-8 typed as ANSICHAR. */
class FUTF8ToTCHAR_Convert
{
public:
	typedef ANSICHAR LegacyFromType;
	typedef UTF8CHAR FromType;
	typedef TCHAR ToType;

	/** Writes nothing when the result does not fit DestLen. */
	static void Convert(TCHAR* Dest, int32 DestLen, const UTF8CHAR* Source, int32 SourceLen)
	{
		UE::Core::Private::Convert(Dest, DestLen, Source, SourceLen);
	}
	static void Convert(TCHAR* Dest, int32 DestLen, const ANSICHAR* Source, int32 SourceLen)
	{
		Convert(Dest, DestLen, reinterpret_cast<const UTF8CHAR*>(Source), SourceLen);
	}
	static int32 ConvertedLength(const UTF8CHAR* Source, int32 SourceLen)
	{
		return UE::Core::Private::GetConvertedLength((const TCHAR*)nullptr, Source, SourceLen);
	}
	static int32 ConvertedLength(const ANSICHAR* Source, int32 SourceLen)
	{
		return ConvertedLength(reinterpret_cast<const UTF8CHAR*>(Source), SourceLen);
	}

private:
	template <typename>
	friend class TStringConversion;
	static constexpr int32 MaxUnitsPerSourceUnit = 1;
	static int32 ConvertInOnePass(TCHAR* Dest, const UTF8CHAR* Source, int32 SourceLen)
	{
		return UE::Core::Private::ConvertInOnePass(Dest, Source, SourceLen);
	}
};

/** The converter StringCast picks for two character types. */
template <typename From, typename To>
class TStringConvert
{
public:
	typedef From FromType;
	typedef To ToType;

private:
	template <typename>
	friend class TStringConversion;
	static constexpr int32 MaxUnitsPerSourceUnit = UE::Core::Private::MaxConvertedUnits<From, To>;
	static int32 ConvertInOnePass(To* Dest, const From* Source, int32 SourceLen)
	{
		return UE::Core::Private::ConvertInOnePass(Dest, Source, SourceLen);
	}
};

namespace StringConv
{
	struct FUnused;

	template <typename ConverterType>
	typename ConverterType::LegacyFromType GetLegacyFromType(typename ConverterType::LegacyFromType*);
	template <typename ConverterType>
	FUnused GetLegacyFromType(...);
}

/**
 * A converted copy of a string, as the engine's converters hold it. A given length converts that many
 * units, zeros included, except that a zero in the last place is taken for the terminator: it is
 * converted but not counted. Only the one-argument form stops at the first zero. A null source gives a
 * null Get() and a length of 0.
 *
 * Host difference: Get() is always zero-terminated; the engine's buffer is not when a given length
 * ends without a zero, so code reading it past Length() works here and reads garbage in the engine.
 */
template <typename Converter>
class TStringConversion
{
	typedef typename Converter::FromType FromType;
	typedef typename Converter::ToType ToType;
	using LegacyFromType = decltype(StringConv::GetLegacyFromType<Converter>(nullptr));

public:
	TStringConversion(TStringConversion&&) = delete;
	TStringConversion(const TStringConversion&) = delete;
	TStringConversion& operator=(TStringConversion&&) = delete;
	TStringConversion& operator=(const TStringConversion&) = delete;

	explicit TStringConversion(const FromType* Source)
	{
		if (Source)
		{
			int32 SourceLen = 0;
			while (Source[SourceLen])
			{
				++SourceLen;
			}
			Init(Source, SourceLen);
		}
	}
	explicit TStringConversion(const LegacyFromType* Source)
		: TStringConversion(reinterpret_cast<const FromType*>(Source))
	{
	}

	TStringConversion(const FromType* Source, int32 SourceLen)
	{
		if (Source)
		{
			const bool bEndsWithTerminator = SourceLen > 0 && Source[SourceLen - 1] == 0;
			Init(Source, bEndsWithTerminator ? SourceLen - 1 : SourceLen);
		}
	}
	TStringConversion(const LegacyFromType* Source, int32 SourceLen)
		: TStringConversion(reinterpret_cast<const FromType*>(Source), SourceLen)
	{
	}

	const ToType* Get() const { return Ptr; }
	/** Units converted, without the terminator. */
	int32 Length() const { return StringLength; }

private:
	void Init(const FromType* Source, int32 SourceLen)
	{
		SourceLen = SourceLen > 0 ? SourceLen : 0;
		Buffer.SetNumUninitialized(SourceLen * Converter::MaxUnitsPerSourceUnit + 1);
		StringLength = Converter::ConvertInOnePass(Buffer.GetData(), Source, SourceLen);
		Buffer[StringLength] = 0;
		Ptr = Buffer.GetData();
	}

	TArray<ToType> Buffer;
	const ToType* Ptr = nullptr;
	int32 StringLength = 0;
};

/** StringCast between equal character types: the source itself. A given length drops a last zero as TStringConversion does. */
template <typename CharType>
class TStringPointer
{
public:
	explicit TStringPointer(const CharType* Source)
		: Ptr(Source)
		, StringLength(Source ? -1 : 0)
	{
	}
	TStringPointer(const CharType* Source, int32 SourceLen)
		: Ptr(Source)
		, StringLength(Source ? SourceLen : 0)
	{
		if (StringLength > 0 && Source[StringLength - 1] == 0)
		{
			--StringLength;
		}
	}

	const CharType* Get() const { return Ptr; }
	int32 Length() const
	{
		if (StringLength >= 0)
		{
			return StringLength;
		}
		int32 Counted = 0;
		while (Ptr[Counted])
		{
			++Counted;
		}
		return Counted;
	}

private:
	const CharType* Ptr;
	int32 StringLength;
};

using FTCHARToUTF8 = TStringConversion<UE::Core::Private::FTCHARToUTF8_Convert>;
using FUTF8ToTCHAR = TStringConversion<FUTF8ToTCHAR_Convert>;

/** Same lifetime rule as the macros: the result lives until the end of the full expression unless it is kept. */
template <typename To, typename From>
auto StringCast(const From* Str)
{
	if constexpr (std::is_same_v<To, From>)
	{
		return TStringPointer<To>(Str);
	}
	else
	{
		return TStringConversion<TStringConvert<From, To>>(Str);
	}
}

template <typename To, typename From>
auto StringCast(const From* Str, int32 Len)
{
	if constexpr (std::is_same_v<To, From>)
	{
		return TStringPointer<To>(Str, Len);
	}
	else
	{
		return TStringConversion<TStringConvert<From, To>>(Str, Len);
	}
}

#define TCHAR_TO_ANSI(str) (ANSICHAR*)StringCast<ANSICHAR>(static_cast<const TCHAR*>(str)).Get()
#define ANSI_TO_TCHAR(str) (TCHAR*)StringCast<TCHAR>(static_cast<const ANSICHAR*>(str)).Get()
#define TCHAR_TO_UTF8(str) (ANSICHAR*)FTCHARToUTF8((const TCHAR*)str).Get()
#define UTF8_TO_TCHAR(str) (TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)str).Get()
