# The three resource trees are generated from the folders' contents, so adding a file needs no qrc edit.
function(ovinex_write_qrc qrc_file)
    set(content "<RCC>\n")
    foreach(entry IN LISTS ARGN)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 prefix)
        list(GET parts 1 dir)
        file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${dir} ${dir}/*)
        list(SORT files)
        string(APPEND content "  <qresource prefix=\"${prefix}\">\n")
        foreach(f IN LISTS files)
            if(NOT f MATCHES "(^|/)\\.|\\.ts$|~$")
                string(APPEND content "    <file alias=\"${f}\">${dir}/${f}</file>\n")
            endif()
        endforeach()
        string(APPEND content "  </qresource>\n")
    endforeach()
    string(APPEND content "</RCC>\n")
    file(CONFIGURE OUTPUT ${qrc_file} CONTENT "${content}")
endfunction()

set(OVX_SRC ${CMAKE_SOURCE_DIR}/src)
ovinex_write_qrc(${CMAKE_BINARY_DIR}/qml.qrc
    "/qml/common|${OVX_SRC}/qml/common"
    "/qml/desktop|${OVX_SRC}/qml/desktop"
    "/qml/mobile|${OVX_SRC}/qml/mobile"
    "/icons|${OVX_SRC}/resources/icons"
    "/images|${OVX_SRC}/resources/images"
    "/fonts|${OVX_SRC}/resources/fonts")
ovinex_write_qrc(${CMAKE_BINARY_DIR}/iolink.qrc
    "/iolink|${OVX_SRC}/resources/iolink")

# Translations: compiled from the .ts sources at build time.
set(OVINEX_TS_FILES
    ${OVX_SRC}/resources/languages/ovinex_de.ts
    ${OVX_SRC}/resources/languages/ovinex_fr.ts)
set_source_files_properties(${OVINEX_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/languages)
qt5_add_translation(OVINEX_QM_FILES ${OVINEX_TS_FILES})
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/languages.qrc CONTENT
"<RCC>
  <qresource prefix=\"/languages\">
    <file alias=\"ovinex_de.qm\">${CMAKE_BINARY_DIR}/languages/ovinex_de.qm</file>
    <file alias=\"ovinex_fr.qm\">${CMAKE_BINARY_DIR}/languages/ovinex_fr.qm</file>
  </qresource>
</RCC>
")
add_custom_target(ovinex_translations DEPENDS ${OVINEX_QM_FILES})

# An object library, so the resources register themselves in every executable that links them.
add_library(ovinexresources OBJECT
    ${CMAKE_BINARY_DIR}/qml.qrc ${CMAKE_BINARY_DIR}/iolink.qrc ${CMAKE_BINARY_DIR}/languages.qrc)
add_dependencies(ovinexresources ovinex_translations)
target_link_libraries(ovinexresources PUBLIC Qt5::Core)
