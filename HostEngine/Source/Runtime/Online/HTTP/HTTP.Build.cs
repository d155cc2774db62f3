using UnrealBuildTool;

public class HTTP : ModuleRules
{
	public HTTP(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core" });

		AddEngineThirdPartyPrivateStaticDependencies(Target, "libcurl");
	}
}
