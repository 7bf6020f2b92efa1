# Warning and hardening flags shared by every target of the project.

set(VAULTLET_WARNINGS -Wall -Wextra -Wformat=2)
if(VAULTLET_WERROR)
    list(APPEND VAULTLET_WARNINGS -Werror)
endif()

add_compile_options(${VAULTLET_WARNINGS} -fstack-protector-strong)
add_link_options(-fstack-protector-strong)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

# -O2 for release builds too: GCC 12's -O3 reports false -Wrestrict overlaps inside std::string.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug" AND NOT VAULTLET_SANITIZE)
    add_compile_definitions(_FORTIFY_SOURCE=2)
endif()

if(WIN32)
    # Target Windows 7 and later; ANSI Win32 entry points are the program's own choice.
    add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)
    add_link_options(-static -Wl,--nxcompat -Wl,--dynamicbase -Wl,--high-entropy-va)
endif()

if(VAULTLET_SANITIZE)
    set(VAULTLET_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${VAULTLET_SANITIZER_FLAGS})
    add_link_options(${VAULTLET_SANITIZER_FLAGS})
endif()

if(VAULTLET_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VAULTLET_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
    endif()
    # Coverage instrumentation for every library; the fuzz executables add the libFuzzer driver.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
