// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHubSession.h"

#include "Engine/Engine.h"

namespace UE::ZOVALauncherAPI::Private
{
	bool GHubInitialized = false;
	FString GHubLauncherPath;
	FString GHubAppKey;
	FString GHubDataJson;
	const FString GHubMissingDataText(TEXT("缺少数据，检查初始化节点或应用数据是否存在。初始化节点名称：初始化Hub数据"));

	namespace
	{
		/** Shown for 5 seconds; key -1 so that repeated messages pile up instead of replacing each other. */
		void ReportHubNotReady(const FString& Message)
		{
			UE_LOG(LogTemp, Error, TEXT("%s"), *Message);
			if (GEngine)
			{
				GEngine->AddOnScreenDebugMessage(-1, 5.0f, FColor::Red, Message, true, FVector2D(1.0, 1.0));
			}
		}
	}

	bool IsHubReady()
	{
		if (!GHubInitialized)
		{
			ReportHubNotReady(TEXT("没有调用：初始化Hub数据 节点"));
			return false;
		}
		if (GHubAppKey.IsEmpty())
		{
			ReportHubNotReady(TEXT("初始化节点没有填写AppKey"));
			return false;
		}
		return true;
	}
}
