#pragma once

#include "HAL/Platform.h"
#include "Templates/TypeHash.h"

/** Identifies one binding, so a multicast delegate can remove it again. */
class FDelegateHandle
{
public:
	enum EGenerateNewHandleType
	{
		GenerateNewHandle
	};

	FDelegateHandle() = default;

	explicit FDelegateHandle(EGenerateNewHandleType)
		: ID(GenerateNewID())
	{
	}

	bool IsValid() const { return ID != 0; }
	void Reset() { ID = 0; }

	bool operator==(const FDelegateHandle& Rhs) const { return ID == Rhs.ID; }
	bool operator!=(const FDelegateHandle& Rhs) const { return ID != Rhs.ID; }

	friend uint32 GetTypeHash(const FDelegateHandle& Key) { return GetTypeHash(Key.ID); }

private:
	static CORE_API uint64 GenerateNewID();

	uint64 ID = 0;
};

/** What every bound delegate can answer, whatever it is bound to. */
class IDelegateInstance
{
public:
	virtual ~IDelegateInstance() = default;

	/** Whether the binding targets this object (RemoveAll and IsBoundToObject ask this). */
	virtual bool HasSameObject(const void* InUserObject) const = 0;

	/** False once a weakly held target has gone. */
	virtual bool IsSafeToExecute() const = 0;

	virtual FDelegateHandle GetHandle() const = 0;
};
