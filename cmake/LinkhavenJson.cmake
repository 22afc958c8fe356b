# nlohmann-json, header-only, from Debian's nlohmann-json3-dev, for both
# builds. The mingw compiler must not search /usr/include itself (glibc's
# headers would shadow mingw's), so every build sees only a folder of the
# build tree that links to the one header folder.
find_path(LINKHAVEN_JSON_INCLUDE_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT LINKHAVEN_JSON_INCLUDE_DIR)
    message(FATAL_ERROR "nlohmann/json.hpp not found: install the package nlohmann-json3-dev "
                        "(scripts/setup does: apt-get install --no-install-recommends nlohmann-json3-dev)")
endif()
set(linkhaven_json_dir ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${linkhaven_json_dir})
file(CREATE_LINK ${LINKHAVEN_JSON_INCLUDE_DIR}/nlohmann ${linkhaven_json_dir}/nlohmann SYMBOLIC)
add_library(linkhaven_json INTERFACE)
target_include_directories(linkhaven_json SYSTEM INTERFACE ${linkhaven_json_dir})
