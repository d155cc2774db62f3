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

	virtual void AddInputPin() {}
	virtual bool CanAddPin() const { return true; }
};
