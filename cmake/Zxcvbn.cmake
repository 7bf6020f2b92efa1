# The password strength estimator is zxcvbn-c, the C port of zxcvbn. Native builds link Debian's
# libzxcvbn-dev. For the Windows build its C sources come from a Debian source package fetched at
# configure time and are compiled with the cross compiler, as tinyxml2 is.
#
# Which source package: the upstream archive of Debian's own zxcvbn-c source package cannot be
# fetched from the Debian archive this project builds from, while haskell-zxcvbn-c (the Haskell
# binding, bookworm) carries the C sources of zxcvbn-c with their word lists. Its release is an
# earlier one than libzxcvbn-dev's, so the two builds can differ a little in their estimates (a few
# bits on some passwords); the documented examples the tests use agree in both.
#
# The estimator's dictionary is C source generated from the word lists by a program of the same
# package (dict-generate.cpp). That program must run on the build machine, so it is compiled with
# the host's C++ compiler, not the cross compiler, and run once when the source is first fetched.

if(NOT CMAKE_CROSSCOMPILING)
    find_path(ZXCVBN_INCLUDE_DIR zxcvbn.h REQUIRED)
    find_library(ZXCVBN_LIBRARY zxcvbn REQUIRED)
    add_library(zxcvbn::zxcvbn UNKNOWN IMPORTED)
    set_target_properties(zxcvbn::zxcvbn PROPERTIES IMPORTED_LOCATION ${ZXCVBN_LIBRARY}
                                                    INTERFACE_INCLUDE_DIRECTORIES ${ZXCVBN_INCLUDE_DIR})
    return()
endif()

include(DebianSource)
vaultlet_debian_source(haskell-zxcvbn-c 1.0.1 ZXCVBN_SOURCE_DIR UNPACKED zxcvbn-c-1.0.1)

set(zxcvbn_dictionary_dir ${CMAKE_BINARY_DIR}/_deps/zxcvbn-dictionary)
set(zxcvbn_dictionary ${zxcvbn_dictionary_dir}/dict-src.h)
if(NOT EXISTS ${zxcvbn_dictionary})
    find_program(VAULTLET_HOST_CXX NAMES c++ g++ REQUIRED)
    file(MAKE_DIRECTORY ${zxcvbn_dictionary_dir})
    set(generator ${zxcvbn_dictionary_dir}/dictgen)
    execute_process(COMMAND ${VAULTLET_HOST_CXX} -std=c++11 -O2 -w -o ${generator} ${ZXCVBN_SOURCE_DIR}/dict-generate.cpp
                    RESULT_VARIABLE generator_built)
    # The word lists in the order the package's own makefile passes them: the order sets the ranks.
    set(word_lists words-10k-pass.txt words-english.txt words-female.txt words-male.txt words-surname.txt)
    if(generator_built EQUAL 0)
        execute_process(COMMAND ${generator} -o ${zxcvbn_dictionary}.tmp ${word_lists}
                        WORKING_DIRECTORY ${ZXCVBN_SOURCE_DIR} RESULT_VARIABLE dictionary_built)
    endif()
    if(NOT generator_built EQUAL 0 OR NOT dictionary_built EQUAL 0)
        message(FATAL_ERROR "Could not generate the zxcvbn dictionary from ${ZXCVBN_SOURCE_DIR}")
    endif()
    file(RENAME ${zxcvbn_dictionary}.tmp ${zxcvbn_dictionary})
endif()
# On Windows the source includes a precompiled-header stub of Visual Studio projects; ours is empty.
if(NOT EXISTS ${zxcvbn_dictionary_dir}/stdafx.h)
    file(WRITE ${zxcvbn_dictionary_dir}/stdafx.h "")
endif()

add_library(zxcvbn STATIC ${ZXCVBN_SOURCE_DIR}/zxcvbn.c)
target_include_directories(zxcvbn SYSTEM PUBLIC ${ZXCVBN_SOURCE_DIR})
target_include_directories(zxcvbn PRIVATE ${zxcvbn_dictionary_dir})
target_compile_options(zxcvbn PRIVATE -w)
add_library(zxcvbn::zxcvbn ALIAS zxcvbn)
