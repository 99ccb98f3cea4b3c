# SPDX-License-Identifier: MIT
# `cmake --install` and `cpack -G DEB`: the window, the command line, the shipped history, the desktop entry
# and the icon, in the places a Linux desktop looks for them.
install(TARGETS quorvel quorvel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${QUORVEL_DATA_FILES}/marksix-history.txt" DESTINATION ${QUORVEL_INSTALL_DATADIR})
install(FILES "${CMAKE_SOURCE_DIR}/packaging/quorvel.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${CMAKE_SOURCE_DIR}/packaging/quorvel.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR quorvel)
set(CPACK_PACKAGE_CONTACT "quorvel developers <quorvel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mark Six history and omission analysis: desktop window and command line")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "quorvel keeps the Mark Six draw history in an SQLite store and computes omission statistics: position "
       "search, partial search and group calculation, in the window quorvel or on the command line quorvel-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps finds the libraries the programs link (Qt, SQLite, libxlsxwriter, ...); Qt's platform
# plugins are loaded at run time, so the window needs them named. The window's captions are Chinese: without a
# CJK font installed every one of them shows as boxes, so one of the common ones is required.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei")
include(CPack)
