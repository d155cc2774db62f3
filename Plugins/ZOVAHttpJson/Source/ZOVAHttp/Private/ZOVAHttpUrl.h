// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

namespace ZOVAHttpUrl
{
	/**
	 * Whether the engine's libcurl would send Url by HTTP or HTTPS, and by nothing else (file, ftp, gopher,
	 * dict...). A scheme must be http or https, in any case. "name:" followed by a digit is a host and port,
	 * not a scheme, as libcurl reads it; a URL without a scheme is sent by HTTP unless its host starts with a
	 * name that libcurl takes for another protocol. Leading blanks are skipped, though libcurl rejects them.
	 */
	bool IsSentOverHttp(const FString& Url);
}
