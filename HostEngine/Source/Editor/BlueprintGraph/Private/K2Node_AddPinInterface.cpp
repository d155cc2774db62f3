#include "K2Node_AddPinInterface.h"

FName IK2Node_AddPinInterface::GetNameForAdditionalPin(int32 PinIndex)
{
	check(PinIndex < GetMaxInputPinsNum());
	return FName(*FString::Chr(TCHAR('A') + PinIndex));
}
