# Platform-specific sources are named *_win.cpp (built only for Windows) and
# *_posix.cpp (built everywhere else).
function(linkhaven_platform_sources out_var)
    set(kept)
    foreach(source IN LISTS ARGN)
        if(source MATCHES "_win\\.cpp$" AND NOT WIN32)
            continue()
        endif()
        if(source MATCHES "_posix\\.cpp$" AND WIN32)
            continue()
        endif()
        list(APPEND kept ${source})
    endforeach()
    set(${out_var} ${kept} PARENT_SCOPE)
endfunction()

# linkhaven_test(NAME SOURCES... LIBRARIES libs...): one test program per
# unit, run by ctest (through Wine when cross-compiled).
function(linkhaven_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} linkhaven_test_main)
    target_compile_definitions(${name} PRIVATE
        LINKHAVEN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
