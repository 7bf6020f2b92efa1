# The user guide, Vaultlet.chm in guide/ of the build tree: the pages of docs/guide/ with pictures the dialog
# gallery renders at build time (under Wine in a virtual display), compiled by chmcmd from Debian's fp-utils
# (tools/guide/build-guide.sh). The packages ship it beside the program, where F1 looks for it.
find_program(VAULTLET_CHMCMD chmcmd)
if(NOT VAULTLET_CHMCMD)
    message(FATAL_ERROR "chmcmd (Debian's fp-utils) compiles the user guide: run scripts/install-deps")
endif()

set(guide_out ${PROJECT_BINARY_DIR}/guide)
set(VAULTLET_USER_GUIDE_FILE ${guide_out}/Vaultlet.chm)
file(GLOB guide_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide/*)
set(guide_tools ${PROJECT_SOURCE_DIR}/tools/guide/build-guide.sh ${PROJECT_SOURCE_DIR}/tools/guide/guide.py
                ${PROJECT_SOURCE_DIR}/scripts/screenshots)
add_custom_command(OUTPUT ${VAULTLET_USER_GUIDE_FILE}
    COMMAND bash ${PROJECT_SOURCE_DIR}/tools/guide/build-guide.sh $<TARGET_FILE:dialog_gallery> ${guide_out}
    DEPENDS dialog_gallery ${guide_sources} ${guide_tools}
    COMMENT "Building the user guide"
    VERBATIM)
add_custom_target(user_guide DEPENDS ${VAULTLET_USER_GUIDE_FILE})
