#include "ZovaInterrupts.h"

#include <list>
#include <mutex>
#include <thread>

#include <signal.h>

namespace
{
	std::mutex& CleanupsMutex()
	{
		static std::mutex Mutex;
		return Mutex;
	}

	std::list<const std::function<void()>*>& Cleanups()
	{
		static std::list<const std::function<void()>*> Registered;
		return Registered;
	}

	sigset_t InterruptSignals()
	{
		sigset_t Signals;
		sigemptyset(&Signals);
		sigaddset(&Signals, SIGINT);
		sigaddset(&Signals, SIGTERM);
		return Signals;
	}

	/** Waits for an interrupt, cleans up, then lets the signal end the process as it would have. */
	void WatchForInterrupts()
	{
		const sigset_t Signals = InterruptSignals();
		int Signal = 0;
		if (sigwait(&Signals, &Signal) != 0)
		{
			return;
		}
		// Held to the end: a cleanup that finishes meanwhile cannot unregister and free itself.
		CleanupsMutex().lock();
		for (const std::function<void()>* Cleanup : Cleanups())
		{
			(*Cleanup)();
		}
		signal(Signal, SIG_DFL);
		sigset_t Raised;
		sigemptyset(&Raised);
		sigaddset(&Raised, Signal);
		pthread_sigmask(SIG_UNBLOCK, &Raised, nullptr);
		raise(Signal);
	}
}

void ZovaInterrupts::Start()
{
	const sigset_t Signals = InterruptSignals();
	pthread_sigmask(SIG_BLOCK, &Signals, nullptr);
	std::thread(&WatchForInterrupts).detach();
}

FZovaInterruptCleanup::FZovaInterruptCleanup(std::function<void()> InCleanup)
	: Cleanup(MoveTemp(InCleanup))
{
	const std::lock_guard<std::mutex> Lock(CleanupsMutex());
	Cleanups().push_back(&Cleanup);
}

FZovaInterruptCleanup::~FZovaInterruptCleanup()
{
	const std::lock_guard<std::mutex> Lock(CleanupsMutex());
	Cleanups().remove(&Cleanup);
}
