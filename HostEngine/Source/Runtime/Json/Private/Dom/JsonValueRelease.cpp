#include "Dom/JsonValueRelease.h"

#include "Dom/JsonValue.h"

namespace UE::Json::Private
{
	namespace
	{
		/** Deep enough that ordinary documents are freed in place, shallow enough for any thread's stack. */
		constexpr int32 MaxInPlaceDepth = 64;

		/** The values queued by the outermost release running on this thread, if one is running. */
		thread_local TArray<TSharedPtr<FJsonValue>>* QueuedValues = nullptr;
		thread_local int32 InPlaceDepth = 0;

		TSharedPtr<FJsonValue>& ChildOf(TSharedPtr<FJsonValue>& Element)
		{
			return Element;
		}

		TSharedPtr<FJsonValue>& ChildOf(TPair<FString, TSharedPtr<FJsonValue>>& Member)
		{
			return Member.Value;
		}

		template <typename ContainerType>
		void Release(ContainerType& Children)
		{
			if (QueuedValues == nullptr)
			{
				TArray<TSharedPtr<FJsonValue>> Queue;
				QueuedValues = &Queue;
				InPlaceDepth = 1;
				Children.Empty();
				while (Queue.Num() > 0)
				{
					// Popped first: freeing it may queue more values.
					TSharedPtr<FJsonValue> Next = Queue.Pop();
					Next.Reset();
				}
				InPlaceDepth = 0;
				QueuedValues = nullptr;
			}
			else if (InPlaceDepth < MaxInPlaceDepth)
			{
				++InPlaceDepth;
				Children.Empty();
				--InPlaceDepth;
			}
			else
			{
				for (auto& Element : Children)
				{
					TSharedPtr<FJsonValue>& Child = ChildOf(Element);
					if (Child.IsValid())
					{
						QueuedValues->Add(MoveTemp(Child));
					}
				}
				Children.Empty();
			}
		}
	}

	void ReleaseChildren(TArray<TSharedPtr<FJsonValue>>& Children)
	{
		Release(Children);
	}

	void ReleaseChildren(TMap<FString, TSharedPtr<FJsonValue>>& Children)
	{
		Release(Children);
	}
}
