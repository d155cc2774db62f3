#pragma once

#include "CoreMinimal.h"

/**
 * A node whose inputs the author can add to with the node's "Add pin" button. The engine declares
 * this as a reflected interface; the host header tool has no interfaces, so it is a plain C++ one.
 */
class BLUEPRINTGRAPH_API IK2Node_AddPinInterface
{
public:
	virtual ~IK2Node_AddPinInterface() = default;

	/** Pins are named by letter, so a node has at most 25 inputs (A to Y). */
	static constexpr int32 GetMaxInputPinsNum()
	{
		return TCHAR('Z') - TCHAR('A');
	}

	/** The letter that names the input at PinIndex ("A" for 0); a check fails from GetMaxInputPinsNum() on. */
	static FName GetNameForAdditionalPin(int32 PinIndex);

	virtual void AddInputPin() {}
	virtual bool CanAddPin() const { return true; }
};
