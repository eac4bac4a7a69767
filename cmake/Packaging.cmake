# The Debian package, made by CPack's DEB generator from the install rules of
# the build tree the tests ran on: no second build, and the files are the
# ones `cmake --install` puts in place. Debian's own tools (debhelper) would
# build the whole program once more inside dpkg-buildpackage; the package
# needs nothing they add that CPack cannot give: shared-library dependencies
# come from dpkg-shlibdeps, binaries are stripped, manual pages and the
# changelog are compressed at build time.
include(GNUInstallDirs)

set(RAZ_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/razaduvovi)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog
               @ONLY)
find_program(RAZ_GZIP gzip)
if(RAZ_GZIP)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    COMMAND ${RAZ_GZIP} -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog)
  add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${RAZ_PACKAGE_DOC_DIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${RAZ_PACKAGE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME razaduvovi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ra Zaduvovi")
set(CPACK_PACKAGE_CONTACT "Ra Zaduvovi <kalender@razaduvovi.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German calendar with holidays, deadlines and interest")
set(CPACK_PACKAGE_DESCRIPTION
    "A small German-language desktop calendar for every day from 01.01.0001 to
31.12.3000, in the Julian and the Gregorian calendar. Its main window shows
today's date; the calendar sheet describes any day: weekday, week, Julian
Day, moon and sun, the historical legal time, the holidays of the German and
Austrian states with their historical validity, school holidays and bridge
days. Deadlines after the German civil code, zone times, date formats and an
interest calculator with eleven day-count methods are included.

razaduvovi-cli gives the same calculations to scripts and terminals.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.razaduvovi.de/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The tests' programs are not installed; only the install rules count.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};RaZaduvovi;ALL;/")
include(CPack)

# The package as Debian would check it: its files, lintian, its programs.
if(BUILD_TESTING AND NOT RAZ_SANITIZE)
  add_test(NAME package.deb_checks
    COMMAND ${CMAKE_COMMAND} -E env NO_BUILD=1 BUILD=${CMAKE_BINARY_DIR}
            ${CMAKE_SOURCE_DIR}/scripts/package.sh --check)
endif()
