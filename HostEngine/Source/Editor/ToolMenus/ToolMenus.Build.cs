using UnrealBuildTool;

public class ToolMenus : ModuleRules
{
	public ToolMenus(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Slate", "SlateCore" });
	}
}
