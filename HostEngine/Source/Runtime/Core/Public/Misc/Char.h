#pragma once

#include "HAL/Platform.h"

/** Character classification on UTF-16 code units; only ASCII letters change case. */
template <typename CharType>
struct TChar
{
	static constexpr CharType ToUpper(CharType Char) { return (Char >= 'a' && Char <= 'z') ? CharType(Char - ('a' - 'A')) : Char; }
	static constexpr CharType ToLower(CharType Char) { return (Char >= 'A' && Char <= 'Z') ? CharType(Char + ('a' - 'A')) : Char; }
	static constexpr bool IsUpper(CharType Char) { return Char >= 'A' && Char <= 'Z'; }
	static constexpr bool IsLower(CharType Char) { return Char >= 'a' && Char <= 'z'; }
	static constexpr bool IsAlpha(CharType Char) { return IsUpper(Char) || IsLower(Char); }
	static constexpr bool IsDigit(CharType Char) { return Char >= '0' && Char <= '9'; }
	static constexpr bool IsAlnum(CharType Char) { return IsAlpha(Char) || IsDigit(Char); }
	static constexpr bool IsHexDigit(CharType Char) { return IsDigit(Char) || (Char >= 'a' && Char <= 'f') || (Char >= 'A' && Char <= 'F'); }
	static constexpr bool IsWhitespace(CharType Char) { return Char == ' ' || Char == '\t' || Char == '\n' || Char == '\r' || Char == '\v' || Char == '\f'; }
	static constexpr bool IsLinebreak(CharType Char) { return Char == '\n' || Char == '\r'; }
	static constexpr bool IsUnderscore(CharType Char) { return Char == '_'; }
};

typedef TChar<TCHAR> FChar;
typedef TChar<ANSICHAR> FCharAnsi;
