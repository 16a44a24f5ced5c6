# Test cases named after files: the base names of the files that match the
# patterns, as a list of C++ string literals ("a","b") for a compile definition.
# The glob is looked at again at every build, so that adding a file rebuilds
# the test and its case is found.
function(orb_test_names_of_files out)
    file(GLOB files CONFIGURE_DEPENDS ${ARGN})
    set(names "")
    foreach(file IN LISTS files)
        get_filename_component(name ${file} NAME_WE)
        list(APPEND names "\"${name}\"")
    endforeach()
    list(JOIN names "," names)
    set(${out} "${names}" PARENT_SCOPE)
endfunction()
