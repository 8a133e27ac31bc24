# The Debian package, made by CPack from the install rules (`./run.sh package`,
# or `cpack --config build/default/CPackConfig.cmake`): the programs under
# /usr, and the copyright file and changelog Debian asks of every package.
set(ORVA_PACKAGE_MAINTAINER "Orva developers <orva@example.org>" CACHE STRING
    "Maintainer named in the Debian package and its changelog")

# The changelog's latest entry and the package must name the same version.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.in latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^orva \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "desktop/debian/changelog.in needs an entry for version ${PROJECT_VERSION}")
endif()

configure_file(debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.src @ONLY)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
orva_gzip(${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.src ${changelog})
add_custom_target(orva_debian_changelog ALL DEPENDS ${changelog})

# Only the package holds these: `cmake --install` leaves them out.
install(FILES debian/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orva
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orva)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five-in-a-row game and paged notebook for small touch screens")
set(CPACK_PACKAGE_DESCRIPTION [[
Two full-screen programs for an 800 by 480 touch screen, and the small
shell they run in:
 - Go: five in a row against the computer on a 15 by 15 board, three
   levels, taps or keys, English or Chinese texts;
 - NoteBook: a notebook that looks like an open book, one note a page,
   saved on its own every 10 seconds; a file manager can open text
   files in it.
orva-home is the home screen for a finger: a tile for each program and
the settings; orva-shell changes the programs' language and skin and hands
files to the notebook; pbrain-gobang plays the game's computer player through the
Gomocup brain protocol.]])
set(CPACK_STRIP_FILES ON)
# Installed through DESTDIR, so that the desktop entries name the programs'
# final paths rather than CPack's staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Folders as Debian has them, whatever the umask of whoever packages.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Both the ordinary install and the Debian files, in one package.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ORVA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the programs ask for ("Arial", "Tahoma" with its italic for the
# notebook's captions, which fonts-dejavu-extra holds), the Chinese one and
# the colour emoji.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-dejavu-core, fonts-dejavu-extra, fonts-liberation, fonts-noto-color-emoji, fonts-wqy-microhei")
# The pinyin keyboard's data; dpkg-shlibdeps finds the library (libpinyin15).
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libpinyin-data")
# The kiosk session (orva-kiosk(8)) needs an X server with its input drivers
# and xinit; a desktop has its own session and needs none of them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xserver-xorg-core, xserver-xorg-input-libinput, xinit")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
