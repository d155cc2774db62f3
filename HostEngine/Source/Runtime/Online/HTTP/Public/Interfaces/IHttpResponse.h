#pragma once

#include "CoreMinimal.h"
#include "Interfaces/IHttpBase.h"

/** Interface for Http responses that come back after starting an Http request */
class IHttpResponse : public IHttpBase
{
public:
	/** The status code the server answered with. */
	virtual int32 GetResponseCode() const = 0;

	/** The body, decoded as UTF-8. */
	virtual FString GetContentAsString() const = 0;
};
