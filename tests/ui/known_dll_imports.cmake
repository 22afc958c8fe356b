# Fails when EXECUTABLE imports a library that is no KnownDLL: Windows looks
# for such a library beside the program first, where a planted copy would run.
# Usage: cmake -DOBJDUMP=... -DEXECUTABLE=... -P known_dll_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(known advapi32 comdlg32 gdi32 kernel32 msvcrt ole32 oleaut32 rpcrt4 shell32 shlwapi user32)
execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(import IN LISTS imports)
    string(REGEX REPLACE "DLL Name: (.+)\\.dll" "\\1" name "${import}")
    string(TOLOWER "${name}" name)
    if(NOT name IN_LIST known)
        message(SEND_ERROR "${EXECUTABLE} imports ${name}.dll, which is no KnownDLL")
    endif()
endforeach()
message(STATUS "${EXECUTABLE}: ${imports}")
