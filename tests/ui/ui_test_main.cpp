// The window tests run in a program of their own that holds the real resources and the real
// application object, named by the framework as the executable would be.
#include "win_app.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL))
        return 2;
    return RUN_ALL_TESTS();
}
