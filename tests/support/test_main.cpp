// Test entry: the tool runs on a single-threaded apartment, and so do its tests.
#include <objbase.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 2;
    }
    return RUN_ALL_TESTS();
}
