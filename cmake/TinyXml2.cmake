# tinyxml2 comes from Debian: the -dev package for native builds; for the Windows build its Debian
# source package is fetched into the build tree and compiled with the cross compiler.

if(NOT CMAKE_CROSSCOMPILING)
    find_package(tinyxml2 CONFIG REQUIRED)
    return()
endif()

set(TINYXML2_FETCH_DIR ${CMAKE_BINARY_DIR}/_deps/tinyxml2)
set(TINYXML2_SOURCE_DIR ${TINYXML2_FETCH_DIR}/tinyxml2-9.0.0)
if(NOT EXISTS ${TINYXML2_SOURCE_DIR}/tinyxml2.cpp)
    message(STATUS "Fetching the tinyxml2 source package from Debian")
    execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/fetch-tinyxml2 ${TINYXML2_FETCH_DIR}
                    RESULT_VARIABLE fetch_result)
    if(NOT fetch_result EQUAL 0 OR NOT EXISTS ${TINYXML2_SOURCE_DIR}/tinyxml2.cpp)
        message(FATAL_ERROR "Could not fetch the tinyxml2 source package (see scripts/fetch-tinyxml2)")
    endif()
endif()

add_library(tinyxml2 STATIC ${TINYXML2_SOURCE_DIR}/tinyxml2.cpp)
target_include_directories(tinyxml2 SYSTEM PUBLIC ${TINYXML2_SOURCE_DIR})
target_compile_options(tinyxml2 PRIVATE -w)
add_library(tinyxml2::tinyxml2 ALIAS tinyxml2)
