#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Misc/Optional.h"
#include "Templates/SharedPointer.h"
#include "GenericPlatform/ICursor.h"
#include "Layout/Visibility.h"
#include "Math/Vector2D.h"

class FArrangedChildren;
class FChildren;
class FSlateWindowElementList;
class FWidgetStyle;
struct FGeometry;
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

	/**
	 * Asks every widget of the tree that takes space for its desired size, children before their
	 * parents, and keeps the answers for GetDesiredSize and for arranging.
	 */
	void SlatePrepass(float InLayoutScaleMultiplier = 1.0f);

	/** The size the widget asked for at the last prepass. */
	FVector2D GetDesiredSize() const { return DesiredSize; }

	/** Places the children within AllottedGeometry; ArrangedChildren keeps those its filter accepts. */
	void ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const;

	/**
	 * Draws the widget and the visible children within AllottedGeometry, from LayerId up.
	 * @return the highest layer drawn on
	 */
	int32 Paint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const;

protected:
	SWidget();

	/** The size the widget asks for, its children's desired sizes being known. */
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const = 0;

	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const = 0;

	/**
	 * Draws what the widget itself shows, then its children. The default draws nothing of its own:
	 * it paints the visible children one layer up.
	 */
	virtual int32 OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const;

	/** Paints every visible child, each from LayerId; returns the highest layer drawn on. */
	int32 PaintArrangedChildren(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const;

private:
	friend class FWidgetInspector;

	FName TypeOfWidget;
	FName Tag;
	// The engine wraps this in a tool-tip widget; the host keeps the text it would show.
	TAttribute<FText> ToolTipText;
	TAttribute<TOptional<EMouseCursor::Type>> Cursor;
	TAttribute<EVisibility> Visibility;
	TAttribute<bool> EnabledState;
	FVector2D DesiredSize;
};
