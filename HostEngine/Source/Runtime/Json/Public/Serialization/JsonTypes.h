#pragma once

#include "CoreMinimal.h"

/** The kinds of JSON value. */
enum class EJson
{
	None,
	Null,
	String,
	Number,
	Boolean,
	Array,
	Object
};

/** The last thing a writer put out, which decides the separator and layout of the next. */
enum class EJsonToken
{
	None,
	Comma,
	CurlyOpen,
	CurlyClose,
	SquareOpen,
	SquareClose,
	Colon,
	String,
	Number,
	True,
	False,
	Null,
	Identifier
};

inline bool EJsonToken_IsShortValue(EJsonToken Token)
{
	return Token == EJsonToken::Number || Token == EJsonToken::String || Token == EJsonToken::True || Token == EJsonToken::False || Token == EJsonToken::Null;
}
