#pragma once

#include "HAL/Platform.h"
#include "Delegates/DelegateBase.h"
#include "Delegates/IDelegateInstance.h"
#include "Delegates/DelegateSignatureImpl.inl"

/** Thread-safe delegates; in the host they behave like the ordinary ones. */
template <typename DelegateSignature>
using TTSDelegate = TDelegate<DelegateSignature, FDefaultTSDelegateUserPolicy>;

template <typename DelegateSignature>
using TTSMulticastDelegate = TMulticastDelegate<DelegateSignature, FDefaultTSDelegateUserPolicy>;

#define FUNC_DECLARE_DELEGATE(DelegateName, ReturnType, ...) \
	typedef TDelegate<ReturnType(__VA_ARGS__), FDefaultDelegateUserPolicy> DelegateName;

#define FUNC_DECLARE_MULTICAST_DELEGATE(MulticastDelegateName, ReturnType, ...) \
	typedef TMulticastDelegate<ReturnType(__VA_ARGS__), FDefaultDelegateUserPolicy> MulticastDelegateName;

#define FUNC_DECLARE_TS_MULTICAST_DELEGATE(MulticastDelegateName, ReturnType, ...) \
	typedef TMulticastDelegate<ReturnType(__VA_ARGS__), FDefaultTSDelegateUserPolicy> MulticastDelegateName;

#include "Delegates/DelegateCombinations.h"
