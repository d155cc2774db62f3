// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHttpUrl.h"

namespace
{
	/** Hosts that make libcurl send a URL without a scheme by another protocol than HTTP (see CURLOPT_URL). */
	const TCHAR* const OtherProtocolHostPrefixes[] = {TEXT("ftp."), TEXT("dict."), TEXT("ldap."), TEXT("imap."), TEXT("smtp."), TEXT("pop3.")};

	bool IsAsciiLetter(TCHAR Character)
	{
		return (Character >= 'a' && Character <= 'z') || (Character >= 'A' && Character <= 'Z');
	}

	bool IsAsciiDigit(TCHAR Character)
	{
		return Character >= '0' && Character <= '9';
	}

	bool IsSchemeCharacter(TCHAR Character)
	{
		return IsAsciiLetter(Character) || IsAsciiDigit(Character) || Character == '+' || Character == '-' || Character == '.';
	}

	/** @return the value of a hexadecimal digit, or -1 */
	int32 HexDigitValue(TCHAR Character)
	{
		if (IsAsciiDigit(Character))
		{
			return Character - '0';
		}
		if (Character >= 'a' && Character <= 'f')
		{
			return Character - 'a' + 10;
		}
		return Character >= 'A' && Character <= 'F' ? Character - 'A' + 10 : -1;
	}

	/** Text with its %XX escapes decoded, as libcurl decodes a host name before reading it. */
	FString DecodePercentEscapes(const FString& Text)
	{
		FString Decoded;
		Decoded.Reserve(Text.Len());
		for (int32 Index = 0; Index < Text.Len(); ++Index)
		{
			const int32 High = Text[Index] == '%' && Index + 2 < Text.Len() ? HexDigitValue(Text[Index + 1]) : -1;
			const int32 Low = High >= 0 ? HexDigitValue(Text[Index + 2]) : -1;
			if (Low >= 0)
			{
				Decoded.AppendChar((TCHAR)(High * 16 + Low));
				Index += 2;
			}
			else
			{
				Decoded.AppendChar(Text[Index]);
			}
		}
		return Decoded;
	}

	/** Whether libcurl, given Url without a scheme, would guess another protocol than HTTP from its host. */
	bool IsGuessedAsOtherProtocol(const FString& Url)
	{
		int32 AuthorityEnd = 0;
		while (AuthorityEnd < Url.Len() && Url[AuthorityEnd] != '/' && Url[AuthorityEnd] != '?' && Url[AuthorityEnd] != '#')
		{
			++AuthorityEnd;
		}
		// The host follows any user info, which ends at an '@': a host may start at each of them.
		TArray<FString> Candidates;
		DecodePercentEscapes(Url.Left(AuthorityEnd)).ParseIntoArray(Candidates, TEXT("@"), false);
		for (const FString& Candidate : Candidates)
		{
			for (const TCHAR* Prefix : OtherProtocolHostPrefixes)
			{
				if (Candidate.StartsWith(Prefix, ESearchCase::IgnoreCase))
				{
					return true;
				}
			}
		}
		return false;
	}
}

bool ZOVAHttpUrl::IsSentOverHttp(const FString& InUrl)
{
	const FString Url = InUrl.TrimStart();
	int32 SchemeEnd = 0;
	if (Url.Len() > 0 && IsAsciiLetter(Url[0]))
	{
		while (SchemeEnd < Url.Len() && IsSchemeCharacter(Url[SchemeEnd]))
		{
			++SchemeEnd;
		}
	}
	const bool bColonFollows = SchemeEnd > 0 && SchemeEnd < Url.Len() && Url[SchemeEnd] == ':';
	const bool bPortFollows = bColonFollows && SchemeEnd + 1 < Url.Len() && IsAsciiDigit(Url[SchemeEnd + 1]);
	if (bColonFollows && !bPortFollows)
	{
		const FString Scheme = Url.Left(SchemeEnd);
		return Scheme.Equals(TEXT("http"), ESearchCase::IgnoreCase) || Scheme.Equals(TEXT("https"), ESearchCase::IgnoreCase);
	}
	return !IsGuessedAsOtherProtocol(Url);
}
