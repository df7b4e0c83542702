# Installation into /usr and the Debian package built from it by CPack (scripts/package).
include(GNUInstallDirs)

set(OVINEX_RELEASE_DATE "2026-12-06" CACHE STRING "Release date of this version (AppStream)")
set(OVX_PKG ${CMAKE_SOURCE_DIR}/packaging)
set(OVX_PKG_OUT ${CMAKE_BINARY_DIR}/packaging)

foreach(executable ovinex ovinex-check ovinex-cli)
    if(TARGET ${executable})
        install(TARGETS ${executable} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

install(FILES ${OVX_PKG}/korvell-ovinex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${OVX_PKG}/korvell-ovinex.metainfo.xml.in ${OVX_PKG_OUT}/korvell-ovinex.metainfo.xml @ONLY)
install(FILES ${OVX_PKG_OUT}/korvell-ovinex.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${OVX_PKG}/korvell-ovinex.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
    install(FILES ${OVX_PKG}/icons/${size}/korvell-ovinex.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/src/resources/iolink/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/ovinex/sample)

# Manual pages and the changelog are installed gzipped, reproducibly (no name or time stamp).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(OVX_GZIPPED)
foreach(page ovinex ovinex-check ovinex-cli)
    configure_file(${OVX_PKG}/man/${page}.1 ${OVX_PKG_OUT}/${page}.1 @ONLY)
    list(APPEND OVX_GZIPPED ${OVX_PKG_OUT}/${page}.1)
endforeach()
configure_file(${OVX_PKG}/changelog ${OVX_PKG_OUT}/changelog COPYONLY)
list(APPEND OVX_GZIPPED ${OVX_PKG_OUT}/changelog)
set(OVX_GZ_FILES)
foreach(file IN LISTS OVX_GZIPPED)
    add_custom_command(OUTPUT ${file}.gz COMMAND ${GZIP_PROGRAM} -9nfk ${file} DEPENDS ${file} VERBATIM)
    list(APPEND OVX_GZ_FILES ${file}.gz)
endforeach()
add_custom_target(ovinex_packaging_files ALL DEPENDS ${OVX_GZ_FILES})
foreach(page ovinex ovinex-check ovinex-cli)
    install(FILES ${OVX_PKG_OUT}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${OVX_PKG_OUT}/changelog.gz ${OVX_PKG}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ovinex)
set(CPACK_PACKAGE_VENDOR "Korvell GmbH")
set(CPACK_PACKAGE_CONTACT "Korvell GmbH <support@korvell.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure and monitor IO-Link sensors")
set(CPACK_PACKAGE_DESCRIPTION "Ovinex finds IO-Link sensors connected through an IO-Link master, matches
each to its IODD (its XML device description), reads and writes its
parameters, runs its system commands, shows its menus, charts its process
data live, exports recordings and shows its events, in English, German and
French. A built-in simulated master lets everything be tried without
hardware. The package holds the window (ovinex), the IODD checker
(ovinex-check) and the command-line tool (ovinex-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "ovinex_${PROJECT_VERSION}_amd64.deb")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korvell.example/downloads")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# What the QML imports and Qt loads as plugins: invisible to dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qml-module-qtquick2, qml-module-qtquick-window2, qml-module-qtquick-controls2, qml-module-qtquick-templates2, qml-module-qtquick-layouts, qml-module-qt-labs-platform, qml-module-qtcharts, libqt5svg5, fonts-open-sans")
include(CPack)
