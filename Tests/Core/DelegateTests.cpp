#include "CoreMinimal.h"
#include "Delegates/Delegate.h"
#include "UObject/WeakObjectPtrTemplatesFwd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

DECLARE_DELEGATE(FSimpleTestDelegate);
DECLARE_DELEGATE_OneParam(FTextDelegate, const FString&);
DECLARE_DELEGATE_RetVal_TwoParams(int32, FCombineDelegate, int32, int32);
DECLARE_MULTICAST_DELEGATE_OneParam(FOnNumber, int32);
DECLARE_TS_MULTICAST_DELEGATE_OneParam(FOnNumberThreadSafe, int32);

namespace
{
	/** Stands in for a UObject: "destroying" it only marks it, as garbage collection would. */
	class FFakeObject
	{
	public:
		bool bIsAlive = true;
		std::vector<std::string> Calls;

		void Record(const FString& Text) { Calls.push_back(TCHAR_TO_UTF8(*Text)); }
		void RecordConst(const int32 Value) const { ConstCalls.push_back(Value); }

		mutable std::vector<int32> ConstCalls;
	};
}

/** The part of CoreUObject's weak pointer that delegates use, over fake objects. */
template <class T>
struct TWeakObjectPtr<T, FWeakObjectPtr>
{
	TWeakObjectPtr(T* InObject)
		: Object(InObject)
	{
	}

	T* Get() const { return Object->bIsAlive ? Object : nullptr; }
	bool IsValid() const { return Get() != nullptr; }

private:
	T* Object;
};

namespace
{
	int32 Add(int32 A, int32 B, int32 Offset)
	{
		return A + B + Offset;
	}

	class FListener : public TSharedFromThis<FListener>
	{
	public:
		std::vector<int32> Received;

		void OnNumber(int32 Value) { Received.push_back(Value); }
		void OnNumberWithTag(int32 Value, FString Tag) const { ConstReceived.push_back(Tag + TEXT(":") + FString::FromInt(Value)); }
		int32 Scale(int32 A, int32 B) { return (A + B) * Factor; }

		int32 Factor = 10;
		mutable std::vector<FString> ConstReceived;
	};

	/** A node-like class that binds its own const method, as menu actions do. */
	class FNodeLike : public FFakeObject
	{
	public:
		FSimpleTestDelegate MakeAction(int32 Payload) const
		{
			return FSimpleTestDelegate::CreateUObject(const_cast<FNodeLike*>(this), &FNodeLike::RecordConst, Payload);
		}
	};

	class FDelegateTest : public ::testing::Test
	{
	};
}

TEST_F(FDelegateTest, PayloadsFollowTheCallArguments)
{
	const FCombineDelegate Static = FCombineDelegate::CreateStatic(&Add, 100);
	EXPECT_EQ(Static.Execute(1, 2), 103);

	const FCombineDelegate Lambda = FCombineDelegate::CreateLambda([](int32 A, int32 B, int32 C, FString D) { return A * 1000 + B * 100 + C * 10 + D.Len(); }, 3, FString(TEXT("four")));
	EXPECT_EQ(Lambda.Execute(1, 2), 1234);

	FListener Listener;
	FCombineDelegate Raw;
	Raw.BindRaw(&Listener, &FListener::Scale);
	Listener.Factor = 3;
	EXPECT_EQ(Raw.Execute(1, 1), 6);

	// The payload is copied when bound: later changes to the source do not reach it.
	FString Tag = TEXT("first");
	FTextDelegate Text;
	Text.BindLambda([](const FString& Value, FString Bound, std::vector<FString>* Out) { Out->push_back(Value + Bound); }, Tag, &Listener.ConstReceived);
	Tag = TEXT("second");
	EXPECT_TRUE(Text.ExecuteIfBound(TEXT("x-")));
	ASSERT_EQ(Listener.ConstReceived.size(), 1u);
	EXPECT_TRUE(Listener.ConstReceived[0].Equals(TEXT("x-first")));
}

TEST_F(FDelegateTest, CopiesAreIndependentAndLambdasKeepState)
{
	FCombineDelegate Counter = FCombineDelegate::CreateLambda([Count = 0](int32 A, int32 B) mutable { return ++Count + A + B; });
	EXPECT_EQ(Counter.Execute(0, 0), 1);
	EXPECT_EQ(Counter.Execute(0, 0), 2);

	const FCombineDelegate Copy = Counter;
	EXPECT_EQ(Copy.GetHandle(), Counter.GetHandle());
	EXPECT_EQ(Copy.Execute(0, 0), 3);
	EXPECT_EQ(Counter.Execute(0, 0), 3);

	Counter.Unbind();
	EXPECT_FALSE(Counter.IsBound());
	EXPECT_TRUE(Copy.IsBound());
}

TEST_F(FDelegateTest, UnboundDelegatesReportInsteadOfRunning)
{
	FSimpleTestDelegate Delegate;
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_FALSE(Delegate.ExecuteIfBound());
	EXPECT_FALSE(Delegate.GetHandle().IsValid());

	int32 Calls = 0;
	Delegate.BindLambda([&Calls]() { ++Calls; });
	EXPECT_TRUE(Delegate.ExecuteIfBound());
	Delegate.Execute();
	EXPECT_EQ(Calls, 2);

	EXPECT_DEATH(FSimpleTestDelegate().Execute(), "unbound delegate");
}

TEST_F(FDelegateTest, SharedPointerBindingsAreSkippedOnceTheObjectDies)
{
	TSharedPtr<FListener> Listener = MakeShared<FListener>();
	const FListener* const RawListener = Listener.Get();
	FOnNumber::FDelegate FromRef = FOnNumber::FDelegate::CreateSP(Listener.ToSharedRef(), &FListener::OnNumber);
	FOnNumber::FDelegate FromThis;
	FromThis.BindSP(Listener.Get(), &FListener::OnNumberWithTag, FString(TEXT("tag")));

	EXPECT_TRUE(FromRef.IsBoundToObject(RawListener));
	EXPECT_TRUE(FromRef.ExecuteIfBound(1));
	EXPECT_TRUE(FromThis.ExecuteIfBound(2));
	EXPECT_EQ(Listener->Received, std::vector<int32>{1});
	ASSERT_EQ(Listener->ConstReceived.size(), 1u);
	EXPECT_TRUE(Listener->ConstReceived[0].Equals(TEXT("tag:2")));

	// The bindings must not keep the object alive.
	Listener.Reset();
	EXPECT_FALSE(FromRef.IsBound());
	EXPECT_FALSE(FromThis.IsBound());
	EXPECT_FALSE(FromRef.ExecuteIfBound(3));
	EXPECT_FALSE(FromThis.ExecuteIfBound(4));
	EXPECT_DEATH(FromRef.Execute(5), "");
}

// UE 5.8, Core/Public/Delegates/DelegateInstancesImpl.h
TEST_F(FDelegateTest, UObjectBindingsAreSkippedOnceTheObjectIsDestroyed)
{
	FNodeLike Node;
	const FSimpleTestDelegate Action = Node.MakeAction(7);
	FTextDelegate Recorder;
	Recorder.BindUObject(&Node, &FNodeLike::Record);

	EXPECT_TRUE(Action.IsBoundToObject(&Node));
	EXPECT_TRUE(Action.ExecuteIfBound());
	Recorder.Execute(TEXT("ignored"));
	EXPECT_EQ(Node.ConstCalls, std::vector<int32>{7});
	EXPECT_EQ(Node.Calls.size(), 1u);

	Node.bIsAlive = false;
	EXPECT_FALSE(Action.IsBound());
	EXPECT_FALSE(Action.ExecuteIfBound());
	EXPECT_FALSE(Recorder.ExecuteIfBound(TEXT("late")));
	EXPECT_EQ(Node.ConstCalls.size(), 1u);
	EXPECT_EQ(Node.Calls.size(), 1u);
}

TEST_F(FDelegateTest, MulticastAddsRemovesAndSkipsDeadListeners)
{
	FOnNumber OnNumber;
	EXPECT_FALSE(OnNumber.IsBound());
	FListener RawListener;
	TSharedPtr<FListener> SharedListener = MakeShared<FListener>();
	std::vector<int32> LambdaCalls;

	const FDelegateHandle RawHandle = OnNumber.AddRaw(&RawListener, &FListener::OnNumber);
	OnNumber.AddSP(SharedListener.ToSharedRef(), &FListener::OnNumber);
	OnNumber.AddSP(SharedListener.Get(), &FListener::OnNumberWithTag, FString(TEXT("sp")));
	const FDelegateHandle LambdaHandle = OnNumber.AddLambda([&LambdaCalls](int32 Value) { LambdaCalls.push_back(Value); });
	EXPECT_TRUE(RawHandle.IsValid());
	EXPECT_NE(RawHandle, LambdaHandle);
	EXPECT_TRUE(OnNumber.IsBoundToObject(&RawListener));

	OnNumber.Broadcast(1);
	EXPECT_EQ(RawListener.Received, std::vector<int32>{1});
	EXPECT_EQ(SharedListener->Received, std::vector<int32>{1});
	EXPECT_EQ(SharedListener->ConstReceived.size(), 1u);
	EXPECT_EQ(LambdaCalls, std::vector<int32>{1});

	EXPECT_TRUE(OnNumber.Remove(LambdaHandle));
	EXPECT_FALSE(OnNumber.Remove(LambdaHandle));
	EXPECT_EQ(OnNumber.RemoveAll(SharedListener.Get()), 2);
	SharedListener.Reset();
	OnNumber.Broadcast(2);
	EXPECT_EQ(RawListener.Received, (std::vector<int32>{1, 2}));
	EXPECT_EQ(LambdaCalls, std::vector<int32>{1});

	const FOnNumber::FDelegate Delegate = FOnNumber::FDelegate::CreateRaw(&RawListener, &FListener::OnNumber);
	EXPECT_EQ(OnNumber.Add(Delegate), Delegate.GetHandle());
	EXPECT_FALSE(OnNumber.Add(FOnNumber::FDelegate()).IsValid());
	OnNumber.Clear();
	EXPECT_FALSE(OnNumber.IsBound());
	OnNumber.Broadcast(3);
	EXPECT_EQ(RawListener.Received, (std::vector<int32>{1, 2}));
}

TEST_F(FDelegateTest, ListenersMayChangeTheListDuringABroadcast)
{
	FOnNumberThreadSafe OnNumber;
	std::vector<std::string> Calls;
	FDelegateHandle SelfRemovingHandle;
	SelfRemovingHandle = OnNumber.AddLambda([&, Name = std::string("self-removing")](int32 Value)
	{
		EXPECT_TRUE(OnNumber.Remove(SelfRemovingHandle));
		// The lambda, captures included, must outlive its own removal.
		Calls.push_back(Name + ":" + std::to_string(Value));
	});
	const FDelegateHandle OtherHandle = OnNumber.AddLambda([&Calls](int32 Value) { Calls.push_back("other:" + std::to_string(Value)); });
	OnNumber.AddLambda([&](int32 Value)
	{
		if (Value == 1)
		{
			OnNumber.Remove(OtherHandle);
			OnNumber.AddLambda([&Calls](int32 Late) { Calls.push_back("late:" + std::to_string(Late)); });
		}
	});

	OnNumber.Broadcast(1);
	EXPECT_EQ(std::count(Calls.begin(), Calls.end(), "self-removing:1"), 1);
	EXPECT_EQ(std::count(Calls.begin(), Calls.end(), "late:1"), 0);

	Calls.clear();
	OnNumber.Broadcast(2);
	EXPECT_EQ(Calls, std::vector<std::string>{"late:2"});

	OnNumber.Add(TTSDelegate<void(int32)>::CreateLambda([&Calls](int32 Value) { Calls.push_back("ts:" + std::to_string(Value)); }));
	OnNumber.AddLambda([&OnNumber](int32) { OnNumber.Clear(); });
	OnNumber.Broadcast(3);
	EXPECT_FALSE(OnNumber.IsBound());
	Calls.clear();
	OnNumber.Broadcast(4);
	EXPECT_TRUE(Calls.empty());
}
