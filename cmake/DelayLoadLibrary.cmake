# cmake -DIMPORT_LIBRARY=libNAME.a -DDLL=NAME.dll -DNM=... -DDLLTOOL=... -DOUTPUT=DIR/libNAME.a -P DelayLoadLibrary.cmake
# Writes an import library for delay loading with the same functions as the toolchain's import library: a
# program that links it loads the DLL at its first call, through the delay-load helper, instead of at start.
execute_process(COMMAND ${NM} ${IMPORT_LIBRARY} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@]+" imports "${symbols}")
list(REMOVE_DUPLICATES imports)
set(definition "LIBRARY ${DLL}\nEXPORTS\n")
foreach(import IN LISTS imports)
    string(REPLACE " I __imp_" "" name "${import}")
    string(APPEND definition "    ${name}\n")
endforeach()
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(WRITE ${OUTPUT}.def "${definition}")
execute_process(COMMAND ${DLLTOOL} --input-def ${OUTPUT}.def --dllname ${DLL} --output-delaylib ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
