// Copyright ZOVA. All Rights Reserved.

using System.IO;
using UnrealBuildTool;

public class ZOVAHttpJsonTests : ModuleRules
{
	public ZOVAHttpJsonTests(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PrivateDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "HTTPServer", "ZOVAJson", "ZOVAJsonEditor", "UnrealEd", "BlueprintGraph" });
		// The node tests drive the JSON nodes through their own operations, declared beside the nodes.
		PrivateIncludePaths.Add(Path.Combine(GetModuleDirectory("ZOVAJsonEditor"), "Private"));
	}
}
