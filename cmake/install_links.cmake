# PREFIX/bin/orbbasic and PREFIX/bin/orbrt: relative links into the program
# folder, so that they resolve under any prefix and inside a package. They are
# made in the build folder and installed as links.
set(link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_dir})
foreach(program orbbasic orbrt)
    file(CREATE_LINK ../${ORB_INSTALL_PROGRAM_FOLDER}/${program} ${link_dir}/${program} SYMBOLIC)
    install(FILES ${link_dir}/${program} DESTINATION bin)
endforeach()
