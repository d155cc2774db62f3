#include "Logging/TokenizedMessage.h"

TSharedRef<FTokenizedMessage> FTokenizedMessage::Create(EMessageSeverity::Type InSeverity, const FText& InMessageText)
{
	TSharedRef<FTokenizedMessage> Message = MakeShared<FTokenizedMessage>();
	Message->Severity = InSeverity;
	Message->MessageText = InMessageText;
	return Message;
}
