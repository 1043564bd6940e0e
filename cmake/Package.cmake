# The documents an install carries, and the Debian package (tools/package configures the build with
# KELVARY_DEBIAN=ON, a /usr prefix and games/ for the programs, then runs cpack).
option(KELVARY_DEBIAN "Install the documents as a Debian package carries them" OFF)

# The manual pages and the metainfo carry the changelog's version and date.
foreach(page kelvary.6 kelvary-pole.6)
  configure_file(data/man/${page}.in ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
endforeach()
configure_file(data/io.github.kelvary.Kelvary.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/io.github.kelvary.Kelvary.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/io.github.kelvary.Kelvary.metainfo.xml DESTINATION share/metainfo)

# The manual pages and the changelog are installed compressed, as Debian wants them.
set(KELVARY_GZIPPED)
foreach(source ${CMAKE_BINARY_DIR}/man/kelvary.6 ${CMAKE_BINARY_DIR}/man/kelvary-pole.6
               ${CMAKE_SOURCE_DIR}/packaging/debian/changelog)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_BINARY_DIR}/gz/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gz
    COMMAND gzip -9 -n -c ${source} > ${output}
    DEPENDS ${source})
  list(APPEND KELVARY_GZIPPED ${output})
endforeach()
add_custom_target(kelvary_gzipped ALL DEPENDS ${KELVARY_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/gz/kelvary.6.gz ${CMAKE_BINARY_DIR}/gz/kelvary-pole.6.gz DESTINATION share/man/man6)

if(KELVARY_DEBIAN)
  # Debian keeps the licence texts in /usr/share/common-licenses; the package names them in its
  # machine-readable copyright file.
  install(FILES packaging/debian/copyright ${CMAKE_BINARY_DIR}/gz/changelog.gz data/ART-LICENSE.md
          DESTINATION share/doc/kelvary)
else()
  install(FILES COPYING data/ART-LICENSE.md DESTINATION share/doc/kelvary)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvary)
set(CPACK_PACKAGE_VERSION ${KELVARY_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_CONTACT "Kelvary developers <maintainers@users.noreply.c-seed-2121adc7.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the linked libraries: the lettering's fonts and Qt's X11 platform plugin, without which
# no window opens; Qt's Russian texts for its standard buttons are welcome but not needed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "garden puzzle game: a robot harvests pairs of equal crops")
set(CPACK_PACKAGE_DESCRIPTION
"Kelvary is a single-player puzzle game with a Russian interface. The field
is a garden of 16 x 10 beds. Pick two equal crop pictures: when a route of
at most three straight segments through empty beds joins them, the robot
drives it and harvests the pair. A wrong pick costs a unit of the robot's
battery. Clear the field and the next one comes.

The game has a field editor, saved games, a players list with photos and an
honour board. kelvary-pole checks and solves fields from the command line.")
include(CPack)
