#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Misc/Optional.h"
#include "Templates/SharedPointer.h"
#include "GenericPlatform/ICursor.h"
#include "Layout/Visibility.h"

class FChildren;
struct FSlateBaseNamedArgs;

/** The base of every widget: identity, the arguments every widget takes, and its children. */
class SLATECORE_API SWidget : public TSharedFromThis<SWidget>
{
public:
	virtual ~SWidget();

	SWidget(const SWidget&) = delete;
	SWidget& operator=(const SWidget&) = delete;

	/** Applies the arguments that every widget takes; the declarative syntax calls it before Construct. */
	void SWidgetConstruct(const FSlateBaseNamedArgs& Args);

	/** Records what declared the widget; the declarative syntax calls it when it allocates the widget. */
	void SetDebugInfo(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, size_t InAllocSize);

	/** The widgets this one lays out, in slot order. */
	virtual FChildren* GetChildren() = 0;

	/** The widget's class name as it was declared, e.g. "SButton". */
	FName GetType() const { return TypeOfWidget; }
	FString GetTypeAsString() const { return TypeOfWidget.ToString(); }

	/** The name given with the Tag argument, for finding the widget. */
	FName GetTag() const { return Tag; }

	void SetCursor(const TAttribute<TOptional<EMouseCursor::Type>>& InCursor);
	/** The cursor shown over the widget; unset lets the parent decide. */
	TOptional<EMouseCursor::Type> GetCursor() const { return Cursor.Get(); }

	EVisibility GetVisibility() const { return Visibility.Get(); }

	void SetEnabled(TAttribute<bool> InEnabledState);
	bool IsEnabled() const { return EnabledState.Get(); }

protected:
	SWidget();

private:
	friend class FWidgetInspector;

	FName TypeOfWidget;
	FName Tag;
	// The engine wraps this in a tool-tip widget; the host keeps the text it would show.
	TAttribute<FText> ToolTipText;
	TAttribute<TOptional<EMouseCursor::Type>> Cursor;
	TAttribute<EVisibility> Visibility;
	TAttribute<bool> EnabledState;
};
