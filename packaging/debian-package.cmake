# The Debian package, made by `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr
# (packaging/build-deb.sh does both). The data folder is compiled into the program, so the package must
# install where the build was told it would.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zub-hangman")
set(CPACK_PACKAGE_VENDOR "Zub Hangman developers")
set(CPACK_PACKAGE_CONTACT "Zub Hangman developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "full-screen hangman game")
set(CPACK_PACKAGE_DESCRIPTION "Guess the letters of a hidden word by clicking letter tiles on a \
full-screen board before the gallows is complete. Two word lists, three levels, a high-score table, an \
intro movie and sounds.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
# The data folder is installed to its absolute path; DESTDIR keeps it inside the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/zubhangman/zub-hangman")
# The Qt libraries the program links, plus what it loads at run time: the platform plugins and the
# GStreamer plugins that play the wave sounds and the movies. The fonts are inside the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6multimedia6 (>= 6.4), \
libqt6multimediawidgets6 (>= 6.4), qt6-qpa-plugins, libjpeg62-turbo, \
gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    message(STATUS "A Debian package of this build would install to ${CMAKE_INSTALL_PREFIX}; "
                   "use packaging/build-deb.sh for one that installs to /usr")
endif()

include(CPack)
