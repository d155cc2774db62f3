// Copyright ZOVA. All Rights Reserved.

using UnrealBuildTool;

public class ZOVAJsonEditor : ModuleRules
{
	public ZOVAJsonEditor(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "ZOVAJson" });
		PrivateDependencyModuleNames.AddRange(new string[] { "Slate", "SlateCore", "GraphEditor", "BlueprintGraph", "KismetCompiler", "UnrealEd", "ToolMenus" });
	}
}
