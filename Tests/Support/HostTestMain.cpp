#include "CoreMinimal.h"
#include "UObject/UObjectGlobals.h"

#include <gtest/gtest.h>

// Test executables start the way the engine does: the reflected types of every library already
// in the process are registered before the first test runs.
int main(int argc, char** argv)
{
	ProcessNewlyLoadedUObjects();
	testing::InitGoogleTest(&argc, argv);
	return RUN_ALL_TESTS();
}
