// Copyright ZOVA. All Rights Reserved.

using UnrealBuildTool;

public class ZOVALauncherAPITests : ModuleRules
{
	public ZOVALauncherAPITests(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PrivateDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "ZOVALauncherAPI" });
	}
}
