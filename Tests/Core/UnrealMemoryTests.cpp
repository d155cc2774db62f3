#include "CoreMinimal.h"
#include "HAL/UnrealMemory.h"
#include "Modules/Boilerplate/ModuleBoilerplate.h"
#include "ScopedMallocTracker.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace
{
	class FUnrealMemoryTest : public ::testing::Test
	{
	protected:
		static bool IsAligned(const void* Ptr, SIZE_T Alignment)
		{
			return ((UPTRINT)Ptr & (Alignment - 1)) == 0;
		}

		static void FillPattern(void* Ptr, SIZE_T Count)
		{
			for (SIZE_T Index = 0; Index < Count; ++Index)
			{
				static_cast<uint8*>(Ptr)[Index] = uint8(Index * 7 + 1);
			}
		}

		static bool HasPattern(const void* Ptr, SIZE_T Count)
		{
			for (SIZE_T Index = 0; Index < Count; ++Index)
			{
				if (static_cast<const uint8*>(Ptr)[Index] != uint8(Index * 7 + 1))
				{
					return false;
				}
			}
			return true;
		}
	};

	struct alignas(64) FCacheLine
	{
		uint8 Bytes[64];
	};
}

// UE 5.4, Programs/UnrealBuildTool/Platform/Linux/LinuxToolChain.cs (sanitizers add FORCE_ANSI_ALLOCATOR=1)
TEST_F(FUnrealMemoryTest, SanitizerBuildsRunOnTheSystemAllocatorAndOthersOnMimalloc)
{
	FMemory::Free(FMemory::Malloc(1));
	ASSERT_NE(GMalloc, nullptr);
#if defined(__SANITIZE_ADDRESS__)
	const std::u16string Expected = u"ANSI";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
	const std::u16string Expected = u"ANSI";
#else
	const std::u16string Expected = u"Mimalloc";
#endif
#else
	const std::u16string Expected = u"Mimalloc";
#endif
	EXPECT_EQ(std::u16string(GMalloc->GetDescriptiveName()), Expected);
}

// UE 5.4, Core/Public/HAL/MemoryBase.h (DEFAULT_ALIGNMENT); UE 5.2 and 5.8, Core/Private/HAL/MallocAnsi.cpp
TEST_F(FUnrealMemoryTest, DefaultAlignmentIsSixteenFromSixteenBytesAndEightBelow)
{
	for (SIZE_T Size = 1; Size <= 300; ++Size)
	{
		SCOPED_TRACE(Size);
		void* const Block = FMemory::Malloc(Size);
		EXPECT_TRUE(IsAligned(Block, Size >= 16 ? 16 : 8));
		FMemory::Free(Block);
	}
}

TEST_F(FUnrealMemoryTest, ExplicitAlignmentHoldsThroughReallocAndTheContentsMoveAlong)
{
	for (const uint32 Alignment : {32u, 64u, 4096u})
	{
		SCOPED_TRACE(Alignment);
		void* Block = FMemory::Malloc(100, Alignment);
		EXPECT_TRUE(IsAligned(Block, Alignment));
		FillPattern(Block, 100);
		Block = FMemory::Realloc(Block, 100000, Alignment);
		EXPECT_TRUE(IsAligned(Block, Alignment));
		EXPECT_TRUE(HasPattern(Block, 100));
		Block = FMemory::Realloc(Block, 40, Alignment);
		EXPECT_TRUE(IsAligned(Block, Alignment));
		EXPECT_TRUE(HasPattern(Block, 40));
		FMemory::Free(Block);
	}
}

// UE 5.2 and 5.8, Core/Private/HAL/MallocAnsi.cpp (Realloc)
TEST_F(FUnrealMemoryTest, ReallocOfNothingAllocatesAndReallocToZeroFrees)
{
	const FScopedMallocTracker Tracker;
	void* const Block = FMemory::Realloc(nullptr, 24);
	ASSERT_NE(Block, nullptr);
	EXPECT_TRUE(Tracker.IsLive(Block));
	EXPECT_GE(FMemory::GetAllocSize(Block), SIZE_T(24));

	EXPECT_EQ(FMemory::Realloc(Block, 0), nullptr);
	EXPECT_EQ(Tracker.NumLive(), 0);
	EXPECT_EQ(Tracker.NumUntrackedFrees(), 0);
	FMemory::Free(nullptr);
	EXPECT_EQ(Tracker.NumUntrackedFrees(), 0);
}

// UE 5.4, Core/Public/Modules/Boilerplate/ModuleBoilerplate.h (REPLACEMENT_OPERATOR_NEW_AND_DELETE)
TEST_F(FUnrealMemoryTest, OperatorNewGoesThroughGMallocUnlessTheSanitizerOwnsIt)
{
	const FScopedMallocTracker Tracker;
	std::unique_ptr<std::string> Text = std::make_unique<std::string>(100, 'x');
	FCacheLine* const Lines = new FCacheLine[3];
	EXPECT_TRUE(IsAligned(Lines, alignof(FCacheLine)));
#if FORCE_ANSI_ALLOCATOR
	EXPECT_EQ(Tracker.NumAllocations(), 0) << "the sanitizer's own operator new sees these";
#else
	EXPECT_EQ(Tracker.NumAllocations(), 3);
	EXPECT_TRUE(Tracker.IsLive(Text.get()));
	EXPECT_TRUE(Tracker.IsLive(Text->data()));
	EXPECT_TRUE(Tracker.IsLive(Lines));
#endif
	delete[] Lines;
	Text.reset();
	EXPECT_EQ(Tracker.NumLive(), 0);
	EXPECT_EQ(Tracker.NumUntrackedFrees(), 0);
}

// UE 5.2 and 5.8, Core/Private/HAL/MallocAnsi.cpp (Malloc calls FPlatformMemory::OnOutOfMemory)
TEST_F(FUnrealMemoryTest, RunningOutOfMemoryEndsTheProcess)
{
	// The engine never hands back null; under a sanitizer, its allocator is the one that gives up.
	EXPECT_DEATH(FMemory::Malloc(SIZE_T(1) << 62), "Ran out of memory|exceeds maximum supported size");
}

TEST_F(FUnrealMemoryTest, ArraysAllocateThroughGMallocAndFreeWhenEmptied)
{
	const FScopedMallocTracker Tracker;
	TArray<int32> Numbers;
	Numbers.Reserve(4);
	EXPECT_EQ(Tracker.NumAllocations(), 1);
	EXPECT_TRUE(Tracker.IsLive(Numbers.GetData()));
	for (int32 Number = 0; Number < 1000; ++Number)
	{
		Numbers.Add(Number);
	}
	EXPECT_EQ(Tracker.NumLive(), 1) << "growing moves the one block";
	for (int32 Number = 0; Number < 1000; ++Number)
	{
		ASSERT_EQ(Numbers[Number], Number);
	}

	TArray<FCacheLine> Lines;
	Lines.AddZeroed(5);
	Lines.AddZeroed(50);
	EXPECT_TRUE(IsAligned(Lines.GetData(), alignof(FCacheLine)));

	Numbers.Empty();
	Lines.Empty();
	EXPECT_EQ(Numbers.GetData(), nullptr);
	EXPECT_EQ(Tracker.NumLive(), 0);
	EXPECT_EQ(Tracker.NumUntrackedFrees(), 0);
}

TEST_F(FUnrealMemoryTest, MapReservedOnceAllocatesNothingMoreWhileFilled)
{
	TMap<int32, int32> Map;
	const FScopedMallocTracker Tracker;
	Map.Reserve(1000);
	const int32 Reserved = Tracker.NumAllocations();
	EXPECT_GT(Reserved, 0);
	for (int32 Key = 0; Key < 1000; ++Key)
	{
		Map.Add(Key * 31, Key);
	}
	EXPECT_EQ(Tracker.NumAllocations(), Reserved);
	for (int32 Key = 0; Key < 1000; ++Key)
	{
		const int32* const Value = Map.Find(Key * 31);
		ASSERT_NE(Value, nullptr);
		EXPECT_EQ(*Value, Key);
	}
	EXPECT_EQ(Map.Find(1), nullptr);
}
