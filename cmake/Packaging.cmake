# Installation where Debian puts programs, and the Debian package built from it by CPack.
#
#   cmake --install build --prefix /usr          (or DESTDIR=... cmake --install build)
#   cd build && cpack -G DEB                     -> zentrel_<version>_amd64.deb
#
# The program finds its read-only files in ../share/zentrel beside its executable when they are
# not in the executable's own folder (the build tree), so one layout serves both.
include(GNUInstallDirs)

# Packaging follows a build (./run.sh, ./test.sh): it installs what is built and does not first
# rebuild every test program.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The manual pages and the change log name the version project() sets.
set(ZENTREL_VERSION ${PROJECT_VERSION})
set(ZENTREL_MAINTAINER "Zentrel developers <zentrel@example.org>")
set(ZENTREL_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/zentrel)
set(ZENTREL_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(ZENTREL_GENERATED_DOCS ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS zentrel zentrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# What the program ships: the pristine defaults, the sample school's template (both made by the
# build), and the style sheet, pictures and help pages of resources/.
install(FILES ${ZENTREL_PROGRAM_DIR}/zn.opp ${ZENTREL_PROGRAM_DIR}/primer.znt DESTINATION ${ZENTREL_SHARE_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ DESTINATION ${ZENTREL_SHARE_DIR})

# The desktop: menu entry, icons, the project file types with their icon.
install(FILES ${ZENTREL_PACKAGING}/zentrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZENTREL_PACKAGING}/icons/zentrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${ZENTREL_PACKAGING}/icons/zentrel-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME zentrel.png)
endforeach()
install(FILES ${ZENTREL_PACKAGING}/zentrel-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME zentrel.xml)
install(FILES ${ZENTREL_PACKAGING}/completion/zentrel-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Manual pages and the package's own documents, compressed as Debian wants them; the version
# comes from project() alone.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(ZENTREL_COMPRESSED_DOCS)
foreach(doc man/zentrel.1 man/zentrel-cli.1 changelog)
  get_filename_component(name ${doc} NAME)
  configure_file(${ZENTREL_PACKAGING}/${doc} ${ZENTREL_GENERATED_DOCS}/${name} @ONLY)
  add_custom_command(
    OUTPUT ${ZENTREL_GENERATED_DOCS}/${name}.gz
    COMMAND ${GZIP_EXECUTABLE} -9nkf ${ZENTREL_GENERATED_DOCS}/${name}
    DEPENDS ${ZENTREL_GENERATED_DOCS}/${name} ${ZENTREL_PACKAGING}/${doc}
    COMMENT "Compressing ${name}")
  list(APPEND ZENTREL_COMPRESSED_DOCS ${ZENTREL_GENERATED_DOCS}/${name}.gz)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${ZENTREL_COMPRESSED_DOCS})
install(FILES ${ZENTREL_GENERATED_DOCS}/zentrel.1.gz ${ZENTREL_GENERATED_DOCS}/zentrel-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZENTREL_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentrel)
# A package without a Debian revision is native: its change log is changelog.gz.
install(FILES ${ZENTREL_GENERATED_DOCS}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentrel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT ${ZENTREL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZENTREL_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: the window system's platform plugins and the
# Slovenian texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "school timetables, calendar and substitutions")
# No semicolons: CMake would read the text as a list.
set(CPACK_PACKAGE_DESCRIPTION "Zentrel keeps a school's whole year for its timetable officer: buildings,
rooms, teachers, classes, subjects, curricula and teaching assignments.
It builds weekly timetables automatically and lets them be corrected by
hand, and keeps the school calendar with rotation weeks and free days,
absences and substitutions, pupils and their electives. It prints and
exports HTML, XML, CSV and iCalendar. Its user interface is Slovenian.

The package holds the program, zentrel, and its command-line tool,
zentrel-cli, which does the same work without windows.")
include(CPack)
