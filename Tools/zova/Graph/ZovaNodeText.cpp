#include "Graph/ZovaNodeText.h"

#include "Graph/ZovaGraphSession.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"

int32 ZovaNodeText::PrintForPaste(UEdGraphNode* Node, const FZovaArguments& Arguments)
{
	if (Arguments.WantsJson())
	{
		return ZovaOutput::UsageError(TEXT("--emit-nodes prints clipboard text, not JSON: leave out --json"));
	}
	// PrintLine adds the text's last "\n" itself, so what prints is the copied text byte for byte, its
	// "\r\n" line ends included.
	ZovaOutput::PrintLine(FZovaGraphSession::Copy({Node}).LeftChop(1));
	return EZovaExit::Success;
}
