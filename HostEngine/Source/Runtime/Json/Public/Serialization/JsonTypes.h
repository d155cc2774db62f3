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

/** What the reader found next: the kind of value, the start or end of a container, or a failure. */
enum class EJsonNotation
{
	ObjectStart,
	ObjectEnd,
	ArrayStart,
	ArrayEnd,
	Boolean,
	String,
	Number,
	Null,
	Error
};

/** A token of JSON text: what the reader read last, and what a writer put out last (which decides the separator before the next). */
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
