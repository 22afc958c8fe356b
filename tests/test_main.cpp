#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Under Wine an unhandled exception would open the debugger's dialog and hang
    // the test until its time-out; end the process with a failing code instead.
    ::SetUnhandledExceptionFilter([](EXCEPTION_POINTERS*) -> LONG { ::ExitProcess(3); });
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
