#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Misc/Optional.h"
#include "Templates/SharedPointer.h"
#include "GenericPlatform/ICursor.h"
#include "Layout/Visibility.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

#include <tuple>
#include <utility>

// The declarative syntax that builds widget trees:
//
//   SNew(SButton)
//   .OnClicked(this, &SMyWidget::HandleClicked)
//   [
//       SNew(STextBlock).Text(Label)
//   ]
//
// SNew allocates the widget (shared, so Construct may bind delegates to it), the chained calls
// fill in the widget's FArguments, and `<<=` hands the arguments to Construct.

#define TYPENAME_OUTSIDE_TEMPLATE

#define SNew(WidgetType, ...) \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__, RequiredArgs::MakeRequiredArgs(__VA_ARGS__)) <<= TYPENAME_OUTSIDE_TEMPLATE WidgetType::FArguments()

#define SAssignNew(ExposeAs, WidgetType, ...) \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__, RequiredArgs::MakeRequiredArgs(__VA_ARGS__)).Expose(ExposeAs) <<= TYPENAME_OUTSIDE_TEMPLATE WidgetType::FArguments()

#define SLATE_BEGIN_ARGS(InWidgetType) \
	public: \
	struct FArguments : public TSlateBaseNamedArgs<InWidgetType> \
	{ \
		typedef FArguments WidgetArgsType; \
		typedef InWidgetType WidgetType; \
		FArguments()

#define SLATE_END_ARGS() \
	};

/** A value argument: `.ArgName(Value)`. */
#define SLATE_ARGUMENT(ArgType, ArgName) \
	ArgType _##ArgName; \
	WidgetArgsType& ArgName(ArgType InArg) \
	{ \
		_##ArgName = InArg; \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** A pointer to a style structure: `.ArgName(&Style)`. */
#define SLATE_STYLE_ARGUMENT(ArgType, ArgName) \
	const ArgType* _##ArgName; \
	WidgetArgsType& ArgName(const ArgType* InArg) \
	{ \
		_##ArgName = InArg; \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** A value or a getter: `.AttrName(Value)` or `.AttrName_Lambda([]() { ... })`. */
#define SLATE_ATTRIBUTE(AttrType, AttrName) \
	TAttribute<AttrType> _##AttrName; \
	WidgetArgsType& AttrName(TAttribute<AttrType> InAttribute) \
	{ \
		_##AttrName = std::move(InAttribute); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <typename FunctorType> \
	WidgetArgsType& AttrName##_Lambda(FunctorType&& InFunctor) \
	{ \
		_##AttrName = TAttribute<AttrType>::CreateLambda(std::forward<FunctorType>(InFunctor)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/**
 * A delegate: `.EventName(Delegate)`, `.EventName(this, &SMyWidget::Handler, Payload...)` (bound
 * weakly to the widget, which must already be shared) or `.EventName_Lambda(...)`.
 */
#define SLATE_EVENT(DelegateName, EventName) \
	DelegateName _##EventName; \
	WidgetArgsType& EventName(const DelegateName& InDelegate) \
	{ \
		_##EventName = InDelegate; \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename MethodType, typename... VarTypes> \
	WidgetArgsType& EventName(UserClass* InUserObject, MethodType InFunc, VarTypes&&... Vars) \
	{ \
		_##EventName = DelegateName::CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <typename FunctorType, typename... VarTypes> \
	WidgetArgsType& EventName##_Lambda(FunctorType&& InFunctor, VarTypes&&... Vars) \
	{ \
		_##EventName = DelegateName::CreateLambda(std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** A child slot set with `.SlotName()[ Child ]`. */
#define SLATE_NAMED_SLOT(DeclarationType, SlotName) \
	NamedSlotProperty<DeclarationType> SlotName() \
	{ \
		return NamedSlotProperty<DeclarationType>(*this, _##SlotName); \
	} \
	TAlwaysValidWidget _##SlotName;

/** The child slot filled by `[ Child ]` right after the arguments. */
#define SLATE_DEFAULT_SLOT(DeclarationType, SlotName) \
	SLATE_NAMED_SLOT(DeclarationType, SlotName) \
	DeclarationType& operator[](const TSharedRef<SWidget>& InChild) \
	{ \
		_##SlotName.Widget = InChild; \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** The slots of a panel, added with `+ SPanelType::Slot()...`. */
#define SLATE_SLOT_ARGUMENT(SlotType, SlotName) \
	TArray<typename SlotType::FSlotArguments> _##SlotName; \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments& SlotToAdd) \
	{ \
		_##SlotName.Add(std::move(SlotToAdd)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments&& SlotToAdd) \
	{ \
		_##SlotName.Add(std::move(SlotToAdd)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** A widget reference that is never null: empty means the null widget. */
struct TAlwaysValidWidget
{
	TSharedRef<SWidget> Widget = SNullWidget::NullWidget;
};

/** What `.SlotName()` returns, so that `[ Child ]` can follow it. */
template <typename DeclarationType>
struct NamedSlotProperty
{
	NamedSlotProperty(DeclarationType& InOwnerDeclaration, TAlwaysValidWidget& ContentToSet)
		: OwnerDeclaration(InOwnerDeclaration)
		, SlotContent(ContentToSet)
	{
	}

	DeclarationType& operator[](const TSharedRef<SWidget>& InChild)
	{
		SlotContent.Widget = InChild;
		return OwnerDeclaration;
	}

	DeclarationType& OwnerDeclaration;
	TAlwaysValidWidget& SlotContent;
};

/** The arguments that every widget takes. */
struct FSlateBaseNamedArgs
{
	TAttribute<FText> _ToolTipText;
	TAttribute<TOptional<EMouseCursor::Type>> _Cursor;
	TAttribute<bool> _IsEnabled = true;
	TAttribute<EVisibility> _Visibility = EVisibility::Visible;
	FName _Tag;
};

/** The base of every FArguments: the common arguments, returning the widget's own FArguments. */
template <typename WidgetType>
struct TSlateBaseNamedArgs : public FSlateBaseNamedArgs
{
	typedef typename WidgetType::FArguments WidgetArgsType;

	WidgetArgsType& ToolTipText(const TAttribute<FText>& InToolTipText)
	{
		_ToolTipText = InToolTipText;
		return Me();
	}

	WidgetArgsType& Cursor(const TAttribute<TOptional<EMouseCursor::Type>>& InCursor)
	{
		_Cursor = InCursor;
		return Me();
	}

	WidgetArgsType& IsEnabled(const TAttribute<bool>& InIsEnabled)
	{
		_IsEnabled = InIsEnabled;
		return Me();
	}

	WidgetArgsType& Visibility(const TAttribute<EVisibility>& InVisibility)
	{
		_Visibility = InVisibility;
		return Me();
	}

	WidgetArgsType& Tag(FName InTag)
	{
		_Tag = InTag;
		return Me();
	}

	WidgetArgsType& Me() { return *static_cast<WidgetArgsType*>(this); }
};

namespace RequiredArgs
{
	/** The arguments after the widget type in SNew, handed to Construct after the FArguments. */
	template <typename... ArgTypes>
	struct TRequiredArgs
	{
		std::tuple<ArgTypes&&...> Args;

		template <class WidgetType>
		void CallConstruct(const TSharedRef<WidgetType>& OnWidget, const typename WidgetType::FArguments& WithNamedArgs) const
		{
			CallConstruct(OnWidget, WithNamedArgs, std::index_sequence_for<ArgTypes...>());
		}

	private:
		template <class WidgetType, size_t... Indices>
		void CallConstruct(const TSharedRef<WidgetType>& OnWidget, const typename WidgetType::FArguments& WithNamedArgs, std::index_sequence<Indices...>) const
		{
			OnWidget->Construct(WithNamedArgs, std::forward<ArgTypes>(std::get<Indices>(Args))...);
		}
	};

	template <typename... ArgTypes>
	TRequiredArgs<ArgTypes...> MakeRequiredArgs(ArgTypes&&... InArgs)
	{
		return TRequiredArgs<ArgTypes...>{std::forward_as_tuple(std::forward<ArgTypes>(InArgs)...)};
	}
}

/** A widget allocated by SNew, waiting for its arguments. */
template <class WidgetType, typename RequiredArgsPayloadType>
struct TDecl
{
	TDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgsPayloadType&& InRequiredArgs)
		: Widget(MakeShared<WidgetType>())
		, RequiredArgs(std::move(InRequiredArgs))
	{
		Widget->SetDebugInfo(InType, InFile, OnLine, sizeof(WidgetType));
	}

	/** Stores the widget in OutVarToInit as well (SAssignNew), before it is constructed. */
	template <class ExposeAsWidgetType>
	TDecl& Expose(TSharedPtr<ExposeAsWidgetType>& OutVarToInit)
	{
		OutVarToInit = Widget;
		return *this;
	}

	TSharedRef<WidgetType> operator<<=(const typename WidgetType::FArguments& InArgs) const
	{
		Widget->SWidgetConstruct(InArgs);
		RequiredArgs.CallConstruct(Widget, InArgs);
		return Widget;
	}

	TSharedRef<WidgetType> Widget;
	RequiredArgsPayloadType RequiredArgs;
};

template <class WidgetType, typename RequiredArgsPayloadType>
TDecl<WidgetType, RequiredArgsPayloadType> MakeTDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgsPayloadType&& InRequiredArgs)
{
	return TDecl<WidgetType, RequiredArgsPayloadType>(InType, InFile, OnLine, std::forward<RequiredArgsPayloadType>(InRequiredArgs));
}
