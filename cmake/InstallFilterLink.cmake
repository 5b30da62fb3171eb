# Run by `cmake --install`: links the printing system's filter folder to the installed filter.
# In: CORVEL_FILTER_FOLDER (absolute, or relative to the prefix), CORVEL_FILTER_PROGRAM (relative
# to the prefix). CMAKE_INSTALL_PREFIX is the prefix of this install, --prefix included; the link
# is relative, so it holds in a staging folder (DESTDIR) and once the files are in place.
set(folder ${CORVEL_FILTER_FOLDER})
if(NOT IS_ABSOLUTE ${folder})
  set(folder ${CMAKE_INSTALL_PREFIX}/${folder})
endif()
cmake_path(GET CORVEL_FILTER_PROGRAM FILENAME name)
file(RELATIVE_PATH target ${folder} ${CMAKE_INSTALL_PREFIX}/${CORVEL_FILTER_PROGRAM})
set(link $ENV{DESTDIR}${folder}/${name})
message(STATUS "Installing: ${link} -> ${target}")
file(MAKE_DIRECTORY $ENV{DESTDIR}${folder})
file(CREATE_LINK ${target} ${link} SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${link})
