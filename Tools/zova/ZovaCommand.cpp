#include "ZovaCommand.h"

namespace
{
	TArray<FZovaCommand>& Commands()
	{
		static TArray<FZovaCommand> Registered;
		return Registered;
	}
}

void FZovaCommandRegistry::Register(const FZovaCommand& Command)
{
	Commands().Add(Command);
	Commands().Sort([](const FZovaCommand& A, const FZovaCommand& B) { return FCString::Strcmp(A.Name, B.Name) < 0; });
}

const TArray<FZovaCommand>& FZovaCommandRegistry::GetCommands()
{
	return Commands();
}
