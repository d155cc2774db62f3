// Copyright ZOVA. All Rights Reserved.

using UnrealBuildTool;

public class ZOVAJson : ModuleRules
{
	public ZOVAJson(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine" });
		PrivateDependencyModuleNames.AddRange(new string[] { "Json" });
	}
}
