# The program's version has one source: project(... VERSION) in the top
# CMakeLists.txt. From it this file writes
#   linkhaven_version.h  the numbers and text of the version record (res/linkhaven.rc)
#   linkhaven-version    the bare version, for the names of the packages (scripts/package)
# into the build folder.
#
# The About box shows the product version as major.minor with the minor
# number in hundredths (10 reads ".1", 15 reads ".15") and the build, when
# there is one, after a dash. So version 0.1.0 is recorded as 0,10,0,0 and
# reads "0.1"; 1.15.2 is recorded as 1,15,2,0 and reads "1.15-02".
set(version_major ${PROJECT_VERSION_MAJOR})
set(version_minor ${PROJECT_VERSION_MINOR})
set(version_patch ${PROJECT_VERSION_PATCH})
if(version_patch STREQUAL "")
    set(version_patch 0)
endif()
if(version_minor LESS 10)
    math(EXPR version_minor_record "${version_minor} * 10")
elseif(version_minor LESS 100 AND NOT version_minor MATCHES "0$")
    set(version_minor_record ${version_minor})
else()
    message(FATAL_ERROR "Version ${PROJECT_VERSION}: the About box shows minor numbers 0 to 9 and 11 to 99 "
                        "except multiples of 10 (${version_major}.${version_minor} would read like another version)")
endif()
if(version_patch GREATER 99)
    message(FATAL_ERROR "Version ${PROJECT_VERSION}: the About box shows builds up to 99")
endif()

set(LINKHAVEN_VERSION ${version_major}.${version_minor}.${version_patch})
set(LINKHAVEN_VERSION_RECORD "${version_major},${version_minor_record},${version_patch},0")
set(LINKHAVEN_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${LINKHAVEN_GENERATED_DIR}/linkhaven_version.h CONTENT
"// Written by cmake/LinkhavenVersion.cmake from the project's version.
#define LINKHAVEN_VERSION_RECORD ${LINKHAVEN_VERSION_RECORD}
#define LINKHAVEN_VERSION_TEXT \"${LINKHAVEN_VERSION}\"
")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/linkhaven-version CONTENT "${LINKHAVEN_VERSION}\n")
