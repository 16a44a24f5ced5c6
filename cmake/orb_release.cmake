# The release number exists only here: project() of the main build takes it,
# and every program, the About box and the phone package's description read it
# from the header that orb_add_version_target() generates. The fuzz build
# includes this file too, since the compiler it builds prints the version.
set(ORB_VERSION 1.0)
# A file that only an installed program folder holds: there every user works in
# folders of their own even when the folder can be written (by root, or under a
# prefix of the user's own).
set(ORB_INSTALLED_MARK orbbasic-installed)

function(orb_add_version_target)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/orb_version.h.in
                   ${CMAKE_BINARY_DIR}/generated/orb_version.h @ONLY)
    add_library(orb_version INTERFACE)
    target_include_directories(orb_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
endfunction()
