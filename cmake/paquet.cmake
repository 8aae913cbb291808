# The manual page and the package's documents, gzipped as Debian wants them, and the
# Debian package that `cpack -G DEB` makes from the build tree.
set(ORVANE_MAINTENEUR "Les développeurs d'Orvane <orvane@invalid.invalid>"
    CACHE STRING "The package's Maintainer: a name and an address")

configure_file(${CMAKE_SOURCE_DIR}/data/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
set(orvane_gz ${CMAKE_BINARY_DIR}/orvane.1.gz ${CMAKE_BINARY_DIR}/changelog.gz)
# -n: no name or time in the header, so that the same sources give the same package.
add_custom_command(
  OUTPUT ${orvane_gz}
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/data/orvane.1 > ${CMAKE_BINARY_DIR}/orvane.1.gz
  COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/data/orvane.1 ${CMAKE_BINARY_DIR}/changelog
  VERBATIM)
add_custom_target(orvane_documents ALL DEPENDS ${orvane_gz})

install(FILES ${CMAKE_BINARY_DIR}/orvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "full-screen symmetric drawing with the mouse")
# The extended description, below the summary line.
set(CPACK_PACKAGE_DESCRIPTION
    "Orvane repeats every stroke dragged with the mouse by the symmetry chosen in
its palette: the petals of a rosette about a centre the user places, mirrored
petals like stained glass, a spiral winding inward, a mirror or four quarters.
Clones, graded shadows, flood fills, sixteen pen mixing modes and random
colours vary the figures; undo and redo step through the last ten strokes.
Its captions are French.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVANE_MAINTENEUR}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
