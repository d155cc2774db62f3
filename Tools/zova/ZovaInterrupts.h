#pragma once

#include "CoreMinimal.h"

#include <functional>

/**
 * Ctrl-C (SIGINT) and SIGTERM while zova runs. Both are taken by a thread of their own, which runs
 * the cleanups registered at that moment and then ends the process by the same signal, as it would
 * have ended without them.
 */
namespace ZovaInterrupts
{
	/** Call before any other thread starts: every later thread inherits the blocked signals. */
	void Start();
}

/** A cleanup that runs if an interrupt comes while this lives. */
class FZovaInterruptCleanup
{
public:
	explicit FZovaInterruptCleanup(std::function<void()> InCleanup);
	~FZovaInterruptCleanup();

	FZovaInterruptCleanup(const FZovaInterruptCleanup&) = delete;
	FZovaInterruptCleanup& operator=(const FZovaInterruptCleanup&) = delete;

private:
	std::function<void()> Cleanup;
};
