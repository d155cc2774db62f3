using UnrealBuildTool;

public class BlueprintGraph : ModuleRules
{
	public BlueprintGraph(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine" });
		PrivateDependencyModuleNames.AddRange(new string[] { "KismetCompiler", "UnrealEd" });
		CircularlyReferencedDependentModules.AddRange(new string[] { "KismetCompiler" });
	}
}
