#include "Styling/SlateTypes.h"

const FName FButtonStyle::TypeName(TEXT("FButtonStyle"));

const FButtonStyle& FButtonStyle::GetDefault()
{
	static const FButtonStyle Default;
	return Default;
}
