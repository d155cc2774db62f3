#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"

/** How serious one entry of an automation test's report is. */
enum class EAutomationEventType : uint8
{
	Info,
	Warning,
	Error
};

/** One message an automation test reports: a check that failed, a captured log line, a note. */
struct FAutomationEvent
{
public:
	FAutomationEvent(EAutomationEventType InType, const FString& InMessage)
		: Type(InType)
		, Message(InMessage)
	{
	}

	FAutomationEvent(EAutomationEventType InType, const FString& InMessage, const FString& InContext)
		: Type(InType)
		, Message(InMessage)
		, Context(InContext)
	{
	}

public:
	EAutomationEventType Type;
	FString Message;
	FString Context;
};

/** An event as the report keeps it, with the source place it came from when that is known. */
struct FAutomationExecutionEntry
{
	FAutomationEvent Event;
	FString Filename;
	int32 LineNumber;

	FAutomationExecutionEntry(FAutomationEvent InEvent)
		: Event(InEvent)
		, LineNumber(-1)
	{
	}

	FAutomationExecutionEntry(FAutomationEvent InEvent, FString InFilename, int32 InLineNumber)
		: Event(InEvent)
		, Filename(InFilename)
		, LineNumber(InLineNumber)
	{
	}

	/** The message, then " [Context] " when there is a context, then " [File(Line)]" when the place is known. */
	CORE_API FString ToString() const;
};
