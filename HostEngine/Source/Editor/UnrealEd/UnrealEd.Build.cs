using UnrealBuildTool;

public class UnrealEd : ModuleRules
{
	public UnrealEd(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine" });
		// The engine's UnrealEd also links BlueprintGraph, which links UnrealEd back; the host takes its headers only.
		PublicIncludePathModuleNames.AddRange(new string[] { "BlueprintGraph" });
	}
}
