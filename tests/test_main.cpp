#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

namespace {
// Under Wine an unhandled exception would open the debugger's dialog and hang
// the test until its time-out; end the process with a failing code instead.
LONG WINAPI exitOnCrash(EXCEPTION_POINTERS*) {
    ::ExitProcess(3);
    return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    ::SetUnhandledExceptionFilter(exitOnCrash);
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
