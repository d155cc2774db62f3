#include "Demo/DemoCertificate.h"

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>

namespace
{
	constexpr long ValiditySeconds = 24 * 60 * 60;

	struct FOpenSslDeleter
	{
		void operator()(EVP_PKEY* Key) const { EVP_PKEY_free(Key); }
		void operator()(X509* Certificate) const { X509_free(Certificate); }
		void operator()(X509_EXTENSION* Extension) const { X509_EXTENSION_free(Extension); }
		void operator()(BIO* File) const { BIO_free(File); }
	};

	template <typename T>
	using TOpenSslPtr = std::unique_ptr<T, FOpenSslDeleter>;

	bool AddExtension(X509* Certificate, int Nid, const char* Value)
	{
		X509V3_CTX Context;
		X509V3_set_ctx_nodb(&Context);
		X509V3_set_ctx(&Context, Certificate, Certificate, nullptr, nullptr, 0);
		const TOpenSslPtr<X509_EXTENSION> Extension(X509V3_EXT_conf_nid(nullptr, &Context, Nid, Value));
		return Extension && X509_add_ext(Certificate, Extension.get(), -1) == 1;
	}

	/** A random positive 64-bit serial number, so that two runs never issue the same one. */
	bool SetRandomSerial(X509* Certificate)
	{
		unsigned char Bytes[8];
		if (RAND_bytes(Bytes, sizeof(Bytes)) != 1)
		{
			return false;
		}
		Bytes[0] &= 0x7F;
		BIGNUM* const Number = BN_bin2bn(Bytes, sizeof(Bytes), nullptr);
		const bool bSet = Number && BN_to_ASN1_INTEGER(Number, X509_get_serialNumber(Certificate));
		BN_free(Number);
		return bSet;
	}

	bool MakeCertificate(EVP_PKEY* Key, X509* Certificate)
	{
		X509_NAME* const Name = X509_get_subject_name(Certificate);
		return X509_set_version(Certificate, X509_VERSION_3) == 1
			&& SetRandomSerial(Certificate)
			&& X509_gmtime_adj(X509_getm_notBefore(Certificate), 0)
			&& X509_gmtime_adj(X509_getm_notAfter(Certificate), ValiditySeconds)
			&& X509_set_pubkey(Certificate, Key) == 1
			&& X509_NAME_add_entry_by_txt(Name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0) == 1
			&& X509_set_issuer_name(Certificate, Name) == 1
			// Self-signed, so the certificate is its own authority once trusted.
			&& AddExtension(Certificate, NID_basic_constraints, "critical,CA:TRUE")
			&& AddExtension(Certificate, NID_subject_key_identifier, "hash")
			&& AddExtension(Certificate, NID_subject_alt_name, "IP:127.0.0.1")
			&& X509_sign(Certificate, Key, EVP_sha256()) > 0;
	}
}

bool DemoCertificate::WriteSelfSigned(const FString& CertificatePath, const FString& KeyPath, FString& OutError)
{
	const TOpenSslPtr<EVP_PKEY> Key(EVP_EC_gen("P-256"));
	const TOpenSslPtr<X509> Certificate(X509_new());
	if (!Key || !Certificate || !MakeCertificate(Key.get(), Certificate.get()))
	{
		OutError = TEXT("OpenSSL could not make a self-signed certificate");
		return false;
	}

	const TOpenSslPtr<BIO> CertificateFile(BIO_new_file(TCHAR_TO_UTF8(*CertificatePath), "w"));
	const TOpenSslPtr<BIO> KeyFile(BIO_new_file(TCHAR_TO_UTF8(*KeyPath), "w"));
	const bool bWritten = CertificateFile && KeyFile
		&& PEM_write_bio_X509(CertificateFile.get(), Certificate.get()) == 1
		&& PEM_write_bio_PrivateKey(KeyFile.get(), Key.get(), nullptr, nullptr, 0, nullptr, nullptr) == 1;
	if (!bWritten)
	{
		OutError = FString::Printf(TEXT("cannot write the certificate and key beside %s"), *CertificatePath);
	}
	return bWritten;
}
