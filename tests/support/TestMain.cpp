// Entry point of every GoogleTest program: runs the tests in a temporary directory of their own,
// then checks that no working file ("vsk*.tmp") was left in it.
#include <gtest/gtest.h>

#include "support/TempDirGuard.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new vesk::test::LeftoverFileCheck());
    return RUN_ALL_TESTS();
}
