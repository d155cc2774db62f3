#pragma once

#include "CoreMinimal.h"
#include "Logging/TokenizedMessage.h"

class UObject;
class UEdGraphNode;
class UEdGraphPin;

/** Maps objects and pins that a compile made (copies, intermediates) back to the author's ones. */
class UNREALED_API FBacktrackMap
{
public:
	/** Notes that NewObject was made from SourceObject. */
	void NotifyIntermediateObjectCreation(UObject* NewObject, UObject* SourceObject);
	/** Notes that NewPin took over the role of SourcePin. */
	void NotifyIntermediatePinCreation(UEdGraphPin* NewPin, UEdGraphPin* SourcePin);

	/** The object the given one was ultimately made from, or itself. */
	UObject* FindSourceObject(UObject* PossiblyDuplicatedObject);
	const UObject* FindSourceObject(const UObject* PossiblyDuplicatedObject) const;
	/**
	 * The pin the given one ultimately stands for: followed through pin notifications, then to the
	 * pin with the same id on the node its node was copied from. Itself when there is none.
	 */
	UEdGraphPin* FindSourcePin(UEdGraphPin* PossiblyDuplicatedPin);
	const UEdGraphPin* FindSourcePin(const UEdGraphPin* PossiblyDuplicatedPin) const;

	/** From objects made during compiling to the object each was made from. */
	TMap<const UObject*, UObject*> SourceBacktrackMap;
	/** From pins made during compiling to the pin each took over from. */
	TMap<UEdGraphPin*, UEdGraphPin*> PinSourceBacktrackMap;

private:
	UEdGraphPin* FindPinById(const UEdGraphNode* Node, const FGuid& PinId) const;

	// Pin ids per source node; a large node is asked once per pin of its copy.
	mutable TMap<const UEdGraphNode*, TMap<FGuid, UEdGraphPin*>> PinsByIdCache;
};

/**
 * The compiler's messages. A "@@" in a message stands for the next argument after the format: an
 * object (a node shows its title, through the node it was made from) or a pin. Unless the log is
 * silent, each message also goes to LogBlueprint at its severity, as "[Compiler] <message>".
 */
class UNREALED_API FCompilerResultsLog
{
public:
	explicit FCompilerResultsLog(bool bIsCompatibleWithEvents = true);

	template <typename... ArgTypes>
	TSharedRef<FTokenizedMessage> Error(const TCHAR* Format, ArgTypes... Args)
	{
		++NumErrors;
		return AddMessage(EMessageSeverity::Error, Format, {GetTokenText(Args)...});
	}

	template <typename... ArgTypes>
	TSharedRef<FTokenizedMessage> Warning(const TCHAR* Format, ArgTypes... Args)
	{
		++NumWarnings;
		return AddMessage(EMessageSeverity::Warning, Format, {GetTokenText(Args)...});
	}

	template <typename... ArgTypes>
	TSharedRef<FTokenizedMessage> Note(const TCHAR* Format, ArgTypes... Args)
	{
		return AddMessage(EMessageSeverity::Info, Format, {GetTokenText(Args)...});
	}

	void NotifyIntermediateObjectCreation(UObject* NewObject, UObject* SourceObject);
	void NotifyIntermediatePinCreation(UEdGraphPin* NewObject, UEdGraphPin* SourceObject);
	UObject* FindSourceObject(UObject* PossiblyDuplicatedObject);
	const UObject* FindSourceObject(const UObject* PossiblyDuplicatedObject) const;
	UEdGraphPin* FindSourcePin(UEdGraphPin* PossiblyDuplicatedPin);
	const UEdGraphPin* FindSourcePin(const UEdGraphPin* PossiblyDuplicatedPin) const;

	/** The path of the Blueprint being compiled; log lines name it. */
	void SetSourcePath(const FString& InSourcePath) { SourcePath = InSourcePath; }

	/** Every message, in the order it was added. */
	TArray<TSharedRef<FTokenizedMessage>> Messages;
	int32 NumErrors = 0;
	int32 NumWarnings = 0;
	/** When set, messages are only kept, not logged. */
	bool bSilentMode = false;
	/** When set, only notes are logged. */
	bool bLogInfoOnly = false;

protected:
	FBacktrackMap SourceBacktrackMap;

private:
	FString SourcePath;

	TSharedRef<FTokenizedMessage> AddMessage(EMessageSeverity::Type Severity, const TCHAR* Format, std::initializer_list<FString> Tokens);
	FString GetTokenText(const UObject* Object) const;
	FString GetTokenText(const UEdGraphPin* Pin) const;
};
