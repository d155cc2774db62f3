// Copyright ZOVA. All Rights Reserved.

#include "ZOVAJsonPointer.h"

#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"

namespace
{
	/** "~1" stands for "/" and "~0" for "~"; any other "~" makes the pointer invalid. */
	bool UnescapeToken(const FString& Token, FString& OutToken)
	{
		OutToken.Reset(Token.Len());
		for (int32 Index = 0; Index < Token.Len(); ++Index)
		{
			if (Token[Index] != '~')
			{
				OutToken.AppendChar(Token[Index]);
				continue;
			}
			if (Index + 1 >= Token.Len() || (Token[Index + 1] != '0' && Token[Index + 1] != '1'))
			{
				return false;
			}
			OutToken.AppendChar(Token[Index + 1] == '0' ? '~' : '/');
			++Index;
		}
		return true;
	}

	/** Array steps are decimal indices without leading zeros. */
	bool ParseArrayIndex(const FString& Token, int32& OutIndex)
	{
		if (Token.IsEmpty() || Token.Len() > 9 || (Token.Len() > 1 && Token[0] == '0'))
		{
			return false;
		}
		OutIndex = 0;
		for (const TCHAR Char : Token)
		{
			if (!FChar::IsDigit(Char))
			{
				return false;
			}
			OutIndex = OutIndex * 10 + (Char - '0');
		}
		return true;
	}
}

TSharedPtr<FJsonValue> ZOVAJsonPointer::Resolve(const TSharedPtr<FJsonValue>& Root, const FString& Pointer)
{
	if (!Pointer.StartsWith(TEXT("/"), ESearchCase::CaseSensitive))
	{
		return nullptr;
	}
	TSharedPtr<FJsonValue> Current = Root;
	FString Token;
	int32 Start = 1;
	while (Current.IsValid())
	{
		int32 End = Start;
		while (End < Pointer.Len() && Pointer[End] != '/')
		{
			++End;
		}
		if (!UnescapeToken(Pointer.Mid(Start, End - Start), Token))
		{
			return nullptr;
		}
		if (Current->Type == EJson::Object)
		{
			Current = Current->AsObject()->TryGetField(Token);
		}
		else if (Current->Type == EJson::Array)
		{
			const TArray<TSharedPtr<FJsonValue>>& Elements = Current->AsArray();
			int32 Index = 0;
			Current = ParseArrayIndex(Token, Index) && Elements.IsValidIndex(Index) ? Elements[Index] : nullptr;
		}
		else
		{
			return nullptr;
		}
		if (End >= Pointer.Len())
		{
			return Current;
		}
		Start = End + 1;
	}
	return nullptr;
}
