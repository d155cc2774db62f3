#pragma once

#include "HAL/Platform.h"

/** User policy of the ordinary delegates. */
struct FDefaultDelegateUserPolicy
{
};

/**
 * User policy of the thread-safe delegates. The host gives them the same behaviour as the ordinary
 * ones; the policy only keeps the types apart, as in the engine.
 */
struct FDefaultTSDelegateUserPolicy
{
};

template <typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy>
class TDelegate;

template <typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy>
class TMulticastDelegate;
