# The manual page, compressed as man expects, and the Debian package made by
# `cpack -G DEB` from the build folder: the files `cmake --install` puts under /usr,
# plus the package's copyright and changelog files.
find_program(GZIP_PROGRAM gzip REQUIRED)

# gzip -n: no name or time stamp in the file, so the same input makes the same file.
function(gzip_file source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${output}
        DEPENDS ${source} VERBATIM)
endfunction()

set(PACKAGING_DIR ${CMAKE_CURRENT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${PACKAGING_DIR})
gzip_file(${CMAKE_CURRENT_SOURCE_DIR}/res/teclarium.1 ${PACKAGING_DIR}/teclarium.1.gz)
gzip_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog ${PACKAGING_DIR}/changelog.Debian.gz)
add_custom_target(teclarium_docs ALL DEPENDS ${PACKAGING_DIR}/teclarium.1.gz ${PACKAGING_DIR}/changelog.Debian.gz)
# Built with the program, so that installing after building the program alone finds them.
add_dependencies(teclarium teclarium_docs)

install(FILES ${PACKAGING_DIR}/teclarium.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Only in the package (its own component, left out of a plain `cmake --install`).
install(FILES packaging/copyright ${PACKAGING_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/teclarium COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES packaging/lintian-overrides RENAME teclarium
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)

# The package's version is the program's with a Debian revision; its changelog must
# start with that version.
set(TECLARIUM_DEBIAN_REVISION 1)
file(STRINGS packaging/changelog CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT CHANGELOG_TOP MATCHES "^teclarium \\(${PROJECT_VERSION}-${TECLARIUM_DEBIAN_REVISION}\\) ")
    message(FATAL_ERROR "packaging/changelog does not start with version "
                        "${PROJECT_VERSION}-${TECLARIUM_DEBIAN_REVISION}: ${CHANGELOG_TOP}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME teclarium)
set(CPACK_PACKAGE_VENDOR Teclarium)
set(CPACK_PACKAGE_CONTACT "Teclarium <teclarium@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-typing tutor for the Spanish keyboard, in Catalan")
# The long description as the control file shows it: lines under 80 columns, and
# " ." between paragraphs (CPack indents each line by one space).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Teclarium teaches typing with all ten fingers, with a Catalan interface."
    "It shows a word, judges every keystroke and lights, on an on-screen"
    "Spanish (Spain) keyboard, the key to press next with its Shift or AltGr"
    "and the dead key of an accented letter."
    "."
    "Each drill ends with a report of the time taken, words per minute and"
    "keys per minute. The drills come from exercise files, from random groups"
    "of chosen letters or from the clipboard, and a progress window shows how"
    "the drills went over time and which keys are missed most.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The program's files and the package's own, in one package.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_CURRENT_BINARY_DIR};Teclarium;ALL;/"
    "${CMAKE_CURRENT_BINARY_DIR};Teclarium;debian;/")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TECLARIUM_DEBIAN_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
