#pragma once

#include "CoreMinimal.h"

/** The demo service's TLS identity, made fresh on each run so that no key is ever shipped. */
namespace DemoCertificate
{
	/**
	 * Writes a new self-signed certificate for 127.0.0.1 (subjectAltName IP:127.0.0.1, valid for a day)
	 * and its private key, both as PEM files.
	 * @return false with OutError when OpenSSL fails or a file cannot be written
	 */
	bool WriteSelfSigned(const FString& CertificatePath, const FString& KeyPath, FString& OutError);
}
