# What `cmake --install` puts where on a Linux desktop: the program, its menu entry, its icons
# in every size of the icon theme, its software-centre metadata and its licence.
include(GNUInstallDirs)

# One id names the menu entry, the icon, the metadata and the window (setDesktopFileName).
set(DUPLEXA_APP_ID hu.veltrimo.Duplexa)
set(DUPLEXA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/duplexa)
set(DUPLEXA_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS duplexa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(FILES ${DUPLEXA_PACKAGING_DIR}/${DUPLEXA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
install(FILES ${DUPLEXA_PACKAGING_DIR}/${DUPLEXA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT program)

foreach(size 16 24 32 48 64 128 256)
    install(FILES ${DUPLEXA_PACKAGING_DIR}/icons/icon${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${DUPLEXA_APP_ID}.png COMPONENT program)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/window/pictures/svg/scale64.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${DUPLEXA_APP_ID}.svg COMPONENT program)

# Fills in NAME.in from packaging/ and compresses it into build/packaging/NAME.gz without a
# time stamp, as Debian wants its manual pages and changelogs.
function(duplexa_gzipped_file name)
    set(plain ${CMAKE_BINARY_DIR}/packaging/${name})
    configure_file(${DUPLEXA_PACKAGING_DIR}/${name}.in ${plain} @ONLY)
    add_custom_command(OUTPUT ${plain}.gz COMMAND gzip -9 -n -c ${plain} > ${plain}.gz
                       DEPENDS ${plain} VERBATIM)
    add_custom_target(duplexa_${name}_gz ALL DEPENDS ${plain}.gz)
endfunction()

duplexa_gzipped_file(duplexa.1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/duplexa.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT program)

# The licence in Debian's machine-readable form, made from LICENSE so the two cannot drift:
# every line indented by one space, empty lines written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE duplexa_licence)
string(REGEX REPLACE "\n$" "" duplexa_licence "${duplexa_licence}")
string(REGEX REPLACE "\n\n" "\n.\n" duplexa_licence "${duplexa_licence}")
string(REGEX REPLACE "\n" "\n " duplexa_licence " ${duplexa_licence}")
configure_file(${DUPLEXA_PACKAGING_DIR}/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright DESTINATION ${DUPLEXA_DOC_DIR}
        COMPONENT program)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
