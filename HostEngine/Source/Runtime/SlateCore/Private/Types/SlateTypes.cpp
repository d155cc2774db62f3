#include "Styling/SlateTypes.h"

const FName FButtonStyle::TypeName(TEXT("FButtonStyle"));

const FButtonStyle& FButtonStyle::GetDefault()
{
	static const FButtonStyle Default;
	return Default;
}

const FName FTextBlockStyle::TypeName(TEXT("FTextBlockStyle"));

const FTextBlockStyle& FTextBlockStyle::GetDefault()
{
	static const FTextBlockStyle Default;
	return Default;
}

const FName FEditableTextBoxStyle::TypeName(TEXT("FEditableTextBoxStyle"));

const FEditableTextBoxStyle& FEditableTextBoxStyle::GetDefault()
{
	static const FEditableTextBoxStyle Default;
	return Default;
}
