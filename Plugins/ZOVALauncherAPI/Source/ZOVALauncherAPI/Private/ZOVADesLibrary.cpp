// Copyright ZOVA. All Rights Reserved.

#include "ZOVADesLibrary.h"

#include "Dom/JsonObject.h"
#include "ZOVAHubFiles.h"
#include "ZOVAHubJson.h"
#include "ZOVAHubSession.h"

using namespace UE::ZOVALauncherAPI::Private;

namespace
{
	/**
	 * One string member of the session document, or the hint text while the store is not ready.
	 * The member is read before the readiness test; the result depends only on the test.
	 */
	FString ReadHubString(const FString& Member)
	{
		const FString Value = GetJsonStringField(GetHubJsonObject(), Member);
		return IsHubReady() ? Value : GHubMissingDataText;
	}

	/** One boolean member of the session document; false while the store is not ready or when it is missing. */
	bool ReadHubBool(const FString& Member)
	{
		const TSharedPtr<FJsonObject> Document = GetHubJsonObject();
		return IsHubReady() && GetJsonBoolField(Document, Member, false);
	}

	/** The token for the application's service; Blueprints cannot see it, ZOVA_Login puts it in the URL. */
	FString GetHubSpaceToken()
	{
		return ReadHubString(TEXT("SpaceToken"));
	}

	/**
	 * Percent-encodes a query value from its UTF-8 bytes. Only the unreserved characters stay as they
	 * are, so a value holding "&", "=", "#", "+" or "%" cannot end its parameter or add another.
	 */
	FString EncodeQueryValue(const FString& Value)
	{
		const FTCHARToUTF8 Utf8(*Value, Value.Len());
		FString Encoded;
		for (int32 Index = 0; Index < Utf8.Length(); ++Index)
		{
			const uint8 Byte = (uint8)Utf8.Get()[Index];
			const bool bUnreserved = (Byte >= 'A' && Byte <= 'Z') || (Byte >= 'a' && Byte <= 'z') || (Byte >= '0' && Byte <= '9') || Byte == '-' || Byte == '.' || Byte == '_' || Byte == '~';
			if (bUnreserved)
			{
				Encoded.AppendChar((TCHAR)Byte);
			}
			else
			{
				Encoded.Appendf(TEXT("%%%02X"), Byte);
			}
		}
		return Encoded;
	}
}

void UZOVADesLibrary::SetAPPKey(const FString& AppKey, const FString& LauncherPath)
{
	GHubInitialized = true;
	GHubLauncherPath = LauncherPath;
	GHubAppKey = AppKey;

	// Without a key the previous document stays, but the accessors refuse to hand it out.
	if (AppKey.IsEmpty())
	{
		return;
	}
	GHubDataJson = LoadHubData();
}

bool UZOVADesLibrary::Alreadyloggedin()
{
	return ReadHubBool(TEXT("Alreadyloggedin"));
}

FString UZOVADesLibrary::APIPort()
{
	return ReadHubString(TEXT("SpaceUrl"));
}

bool UZOVADesLibrary::ApplicationSwitch()
{
	return ReadHubBool(TEXT("IsEnabled"));
}

FString UZOVADesLibrary::ApplyID()
{
	return ReadHubString(TEXT("Appid"));
}

FString UZOVADesLibrary::ApplyOtherData()
{
	return ReadHubString(TEXT("ApplyOtherData"));
}

FString UZOVADesLibrary::CategoryName()
{
	return ReadHubString(TEXT("CategoryTable"));
}

FString UZOVADesLibrary::ChineseName()
{
	return ReadHubString(TEXT("ChineseName"));
}

FString UZOVADesLibrary::CurrentLevel()
{
	return ReadHubString(TEXT("CurrentLevel"));
}

FString UZOVADesLibrary::DataDebug(const FString& NodeName)
{
	return ReadHubString(NodeName);
}

FString UZOVADesLibrary::EnglishName()
{
	return ReadHubString(TEXT("EnglishName"));
}

FString UZOVADesLibrary::ExperienceValue()
{
	return ReadHubString(TEXT("ExperienceValue"));
}

FString UZOVADesLibrary::Grade()
{
	return ReadHubString(TEXT("Grade"));
}

FString UZOVADesLibrary::ZOVA_APPaths()
{
	const FString English = EnglishName();
	const FString Category = CategoryName();
	const FString Path = GetHubBaseDir() + TEXT("\\SamplingPacket\\") + Category + TEXT("\\") + English + TEXT("\\");
	return IsHubReady() ? Path : GHubMissingDataText;
}

FString UZOVADesLibrary::ZOVA_Login()
{
	const TSharedPtr<FJsonObject> Document = GetHubJsonObject();
	const FString Password = GetJsonStringField(Document, TEXT("Password"));
	const FString User = GetJsonStringField(Document, TEXT("Username"));
	const FString Token = GetHubSpaceToken();
	const FString Base = APIPort();
	const FString Url = TEXT("https://") + Base + TEXT("/wp-json/zova/api/user-login?token=") + EncodeQueryValue(Token)
		+ TEXT("&user_name=") + EncodeQueryValue(User) + TEXT("&password=") + EncodeQueryValue(Password);
	return IsHubReady() ? Url : GHubMissingDataText;
}

FString UZOVADesLibrary::MyLogo()
{
	return ReadHubString(TEXT("Logo"));
}

FString UZOVADesLibrary::OkAPIPort()
{
	const FString Url = TEXT("https://") + APIPort() + TEXT("/");
	return IsHubReady() ? Url : GHubMissingDataText;
}

FString UZOVADesLibrary::OtherUserData()
{
	return ReadHubString(TEXT("OtherUserData"));
}

FString UZOVADesLibrary::PathData()
{
	return ReadHubString(TEXT("RootPath"));
}

FString UZOVADesLibrary::ProductUse()
{
	return ReadHubString(TEXT("Description"));
}

FString UZOVADesLibrary::ProfilePicture()
{
	return ReadHubString(TEXT("ProfilePicture"));
}

FString UZOVADesLibrary::Score()
{
	return ReadHubString(TEXT("Score"));
}

FString UZOVADesLibrary::Signature()
{
	return ReadHubString(TEXT("Signature"));
}

FString UZOVADesLibrary::SUID()
{
	return ReadHubString(TEXT("UserId"));
}

FString UZOVADesLibrary::URLs()
{
	return ReadHubString(TEXT("SpaceUrl"));
}

FString UZOVADesLibrary::UserGold()
{
	return ReadHubString(TEXT("Balance"));
}

FString UZOVADesLibrary::UserName()
{
	return ReadHubString(TEXT("Username"));
}

FString UZOVADesLibrary::UserNetname()
{
	return ReadHubString(TEXT("DisplayName"));
}

FString UZOVADesLibrary::UserPassword()
{
	return ReadHubString(TEXT("Password"));
}

FString UZOVADesLibrary::Versions()
{
	return ReadHubString(TEXT("Version"));
}
