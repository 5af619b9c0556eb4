// Entry point of the in-process test programs: the product's system libraries are loaded
// first, as Setup.exe's start-up loads them.
#include "base/SystemLibraries.h"
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    LoadSystemLibraries();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
