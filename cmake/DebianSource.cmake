# Third-party code for the Windows build comes from Debian: the source package is fetched with apt
# into the build tree at configure time (scripts/fetch-debian-source) and compiled with the cross
# compiler. Nothing of it is committed.

# vaultlet_debian_source(<package> <version> <out_var> [UNPACKED <folder>]): sets <out_var> to the
# unpacked upstream source (<build>/_deps/<package>/<package>-<version>, or .../<folder> when the
# upstream archive names its folder otherwise), fetching it on the first configure only.
function(vaultlet_debian_source package version out_var)
    cmake_parse_arguments(ARG "" "UNPACKED" "" ${ARGN})
    if(NOT ARG_UNPACKED)
        set(ARG_UNPACKED ${package}-${version})
    endif()
    set(fetch_dir ${CMAKE_BINARY_DIR}/_deps/${package})
    set(source_dir ${fetch_dir}/${ARG_UNPACKED})
    if(NOT EXISTS ${source_dir}/.vaultlet-fetched)
        message(STATUS "Fetching the ${package} source package from Debian")
        execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/fetch-debian-source ${package} ${version} ${fetch_dir}
                                ${ARG_UNPACKED}
                        RESULT_VARIABLE fetch_result)
        if(NOT fetch_result EQUAL 0 OR NOT EXISTS ${source_dir})
            message(FATAL_ERROR "Could not fetch the ${package} source package (see scripts/fetch-debian-source)")
        endif()
        file(TOUCH ${source_dir}/.vaultlet-fetched)
    endif()
    set(${out_var} ${source_dir} PARENT_SCOPE)
endfunction()
