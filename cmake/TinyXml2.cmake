# tinyxml2 comes from Debian: the -dev package for native builds; for the Windows build its Debian
# source package is fetched into the build tree and compiled with the cross compiler.

if(NOT CMAKE_CROSSCOMPILING)
    find_package(tinyxml2 CONFIG REQUIRED)
    return()
endif()

include(DebianSource)
vaultlet_debian_source(tinyxml2 9.0.0 TINYXML2_SOURCE_DIR)

add_library(tinyxml2 STATIC ${TINYXML2_SOURCE_DIR}/tinyxml2.cpp)
target_include_directories(tinyxml2 SYSTEM PUBLIC ${TINYXML2_SOURCE_DIR})
target_compile_options(tinyxml2 PRIVATE -w)
add_library(tinyxml2::tinyxml2 ALIAS tinyxml2)
