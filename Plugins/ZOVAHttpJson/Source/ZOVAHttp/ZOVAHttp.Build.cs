// Copyright ZOVA. All Rights Reserved.

using UnrealBuildTool;

public class ZOVAHttp : ModuleRules
{
	public ZOVAHttp(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "HTTP" });
	}
}
