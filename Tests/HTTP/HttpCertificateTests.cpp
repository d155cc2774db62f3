#include "HttpTestFixture.h"
#include "LoopbackHttpServer.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

/** A self-signed certificate for 127.0.0.1, made by the openssl command in a folder of its own. */
class FHttpCertificateTest : public FHttpTestBase
{
protected:
	virtual void SetUp() override
	{
		char Template[] = "/tmp/ZOVAHttpCertificateXXXXXX";
		ASSERT_NE(mkdtemp(Template), nullptr);
		Folder = Template;
		CertificateFile = (Folder / "cert.pem").string();
		KeyFile = (Folder / "key.pem").string();
		const std::string Command = "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 -subj /CN=127.0.0.1"
			" -addext subjectAltName=IP:127.0.0.1 -keyout " + KeyFile + " -out " + CertificateFile + " 2>/dev/null";
		ASSERT_EQ(std::system(Command.c_str()), 0);
	}

	virtual void TearDown() override { std::filesystem::remove_all(Folder); }

	std::filesystem::path Folder;
	std::string CertificateFile;
	std::string KeyFile;
};

TEST_F(FHttpCertificateTest, ServersAreVerifiedAndAddedCertificatesAreTrusted)
{
	const FLoopbackHttpServer Server(CertificateFile, KeyFile);
	const std::string Url = Server.Url("/status/200");
	const std::string OtherName = "https://localhost:" + std::to_string(Server.GetPort()) + "/status/200";

	FHttpCompletions Untrusted;
	Send(Untrusted, TEXT("GET"), Url);
	EXPECT_FALSE(Untrusted.bConnectedSuccessfully);

	const std::string NotPem = (Folder / "not.pem").string();
	std::ofstream(NotPem) << "not a certificate";
	EXPECT_FALSE(FHttpModule::Get().AddTrustedCertificatesFile(ToFString(NotPem)));
	ASSERT_TRUE(FHttpModule::Get().AddTrustedCertificatesFile(ToFString(CertificateFile)));

	FHttpCompletions Trusted;
	Send(Trusted, TEXT("GET"), Url);
	ASSERT_TRUE(Trusted.bConnectedSuccessfully);
	EXPECT_EQ(Trusted.Response->GetResponseCode(), 200);

	// Trusting a certificate does not trust it for another name.
	FHttpCompletions WrongName;
	Send(WrongName, TEXT("GET"), OtherName);
	EXPECT_FALSE(WrongName.bConnectedSuccessfully);
}
