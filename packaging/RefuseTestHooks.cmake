# cmake -DPROGRAM=Vaultlet.exe -P RefuseTestHooks.cmake
# Fails when the program was built with test hooks: such a program sends its update checks and crash reports
# to whatever server its environment names, and must never reach a user. The hooks read the variable
# named below, so its name is in the program exactly when they are.
file(STRINGS "${PROGRAM}" hooks LIMIT_COUNT 1 REGEX "VAULTLET_UPDATE_SERVER")
if(hooks)
    message(FATAL_ERROR "${PROGRAM} was built with test hooks; packages are made only from a build without them "
                        "(-DVAULTLET_TESTS=OFF, as scripts/package configures build/release)")
endif()
