using UnrealBuildTool;

public class HTTPServer : ModuleRules
{
	public HTTPServer(ReadOnlyTargetRules Target) : base(Target)
	{
		PrivateDependencyModuleNames.AddRange(new string[] { "Core" });

		// The host serves over cpp-httplib where the engine drives its own sockets.
		AddEngineThirdPartyPrivateStaticDependencies(Target, "CppHttpLib");
	}
}
