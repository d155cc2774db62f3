using UnrealBuildTool;

public class Core : ModuleRules
{
	public Core(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { });
		PrivateDependencyModuleNames.AddRange(new string[] { });
		AddEngineThirdPartyPrivateStaticDependencies(Target, "mimalloc");
	}
}
