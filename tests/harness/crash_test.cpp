// A test program that crashes on purpose: under Wine it must end at once
// with exit code 3 (the crash handler of the test main), not hang on the
// debugger's dialog.

#include <gtest/gtest.h>

TEST(CrashHandler, ACrashEndsTheProgram) {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}
