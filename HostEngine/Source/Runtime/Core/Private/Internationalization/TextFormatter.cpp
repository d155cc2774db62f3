#include "Internationalization/Text.h"

namespace
{
	constexpr TCHAR EscapeCharacter = TEXT('`');

	bool IsFormatSyntax(const TCHAR Character)
	{
		return Character == TEXT('{') || Character == TEXT('}') || Character == EscapeCharacter;
	}
}

FText FText::Format(const FText& Fmt, const FFormatNamedArguments& InArguments)
{
	const FString& Pattern = Fmt.ToString();
	FString Result;
	Result.Reserve(Pattern.Len());
	for (int32 Index = 0; Index < Pattern.Len(); ++Index)
	{
		const TCHAR Character = Pattern[Index];
		if (Character == EscapeCharacter && Index + 1 < Pattern.Len() && IsFormatSyntax(Pattern[Index + 1]))
		{
			Result.AppendChar(Pattern[++Index]);
			continue;
		}
		int32 Close = INDEX_NONE;
		if (Character == TEXT('{'))
		{
			Close = Pattern.Find(TEXT("}"), ESearchCase::CaseSensitive, ESearchDir::FromStart, Index + 1);
		}
		if (Close == INDEX_NONE)
		{
			Result.AppendChar(Character);
			continue;
		}
		const FString Name = Pattern.Mid(Index + 1, Close - Index - 1);
		if (const FFormatArgumentValue* const Argument = InArguments.Find(Name))
		{
			Result += Argument->GetTextValue().ToString();
		}
		else
		{
			Result += Pattern.Mid(Index, Close - Index + 1);
		}
		Index = Close;
	}
	FTextData TextData;
	TextData.SourceString = std::move(Result);
	return FText(MakeShared<const FTextData>(std::move(TextData)));
}
