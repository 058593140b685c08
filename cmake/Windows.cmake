# The Windows executable's resources: the program icon in every size, the
# version information and the manifest (DPI awareness, Windows 10/11, UTF-8).
enable_language(RC)
find_program(ICOTOOL icotool REQUIRED)
set(_icons ${PROJECT_SOURCE_DIR}/ui/icons)
set(_pngs)
set(_arguments)
foreach(size ${TESSIVANE_ICON_SIZES})
    set(_png ${_icons}/tessivane-${size}.png)
    list(APPEND _pngs ${_png})
    # The largest is kept as PNG inside the icon, as Windows expects.
    if(size GREATER_EQUAL 256)
        list(APPEND _arguments --raw=${_png})
    else()
        list(APPEND _arguments ${_png})
    endif()
endforeach()
set(TESSIVANE_ICO ${CMAKE_CURRENT_BINARY_DIR}/tessivane.ico)
add_custom_command(OUTPUT ${TESSIVANE_ICO}
    COMMAND ${ICOTOOL} -c -o ${TESSIVANE_ICO} ${_arguments}
    DEPENDS ${_pngs}
    COMMENT "Making the program icon")
set(TESSIVANE_MANIFEST ${PROJECT_SOURCE_DIR}/data/windows/tessivane.manifest)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/tessivane.rc.in ${CMAKE_CURRENT_BINARY_DIR}/tessivane.rc @ONLY)
target_sources(tessivane PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/tessivane.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/tessivane.rc PROPERTIES
    OBJECT_DEPENDS "${TESSIVANE_ICO};${TESSIVANE_MANIFEST}")
