// Copyright ZOVA. All Rights Reserved.

using UnrealBuildTool;

public class ZOVALauncherAPI : ModuleRules
{
	public ZOVALauncherAPI(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine" });
		PrivateDependencyModuleNames.AddRange(new string[] { "Json" });

		AddEngineThirdPartyPrivateStaticDependencies(Target, "OpenSSL");
	}
}
