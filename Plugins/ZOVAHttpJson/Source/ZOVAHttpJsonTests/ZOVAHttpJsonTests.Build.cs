// Copyright ZOVA. All Rights Reserved.

using UnrealBuildTool;

public class ZOVAHttpJsonTests : ModuleRules
{
	public ZOVAHttpJsonTests(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PrivateDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "HTTPServer", "ZOVAJson" });
	}
}
