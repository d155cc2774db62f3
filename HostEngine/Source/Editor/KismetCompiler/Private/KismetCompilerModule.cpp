#include "KismetCompiler.h"
#include "Modules/ModuleManager.h"

namespace UE::UnrealEd::Private
{
	UNREALED_API void SetBlueprintCompiler(void (*InCompiler)(UBlueprint*, FCompilerResultsLog&));
}

namespace
{
	/** FKismetEditorUtilities::CompileBlueprint's compile: the engine's compilation manager runs the compiler the same way. */
	void CompileBlueprint(UBlueprint* Blueprint, FCompilerResultsLog& Results)
	{
		FKismetCompilerContext Compiler(Blueprint, Results, FKismetCompilerOptions());
		Compiler.CompileFunctions(EInternalCompilerFlags::None);
	}

	class FKismetCompilerModule : public IModuleInterface
	{
	public:
		virtual void StartupModule() override
		{
			UE::UnrealEd::Private::SetBlueprintCompiler(&CompileBlueprint);
		}

		virtual void ShutdownModule() override
		{
			UE::UnrealEd::Private::SetBlueprintCompiler(nullptr);
		}
	};
}

IMPLEMENT_MODULE(FKismetCompilerModule, KismetCompiler)
