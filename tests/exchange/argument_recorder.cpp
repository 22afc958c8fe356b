// Stands in for a web browser: writes its command line, its arguments and the
// show command it was started with to the file named by LINKHAVEN_RECORD_FILE.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    char path[MAX_PATH];
    if (!::GetEnvironmentVariableA("LINKHAVEN_RECORD_FILE", path, sizeof path)) return 1;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    const std::string temporary = std::string(path) + ".part";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) return 1;
    std::fprintf(out, "show=%d\n", (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);
    for (int i = 1; i < argc; ++i) std::fprintf(out, "arg=%s\n", argv[i]);
    std::fclose(out);
    ::MoveFileA(temporary.c_str(), path);  // the file appears whole
    return 0;
}
