# What a Windows user downloads, made by the "package" target of the windows
# build: the portable folder as tessivane-VERSION-windows-x64.zip, and the
# per-user installer tessivane-VERSION-setup.exe (NSIS) that installs it.
find_program(MAKENSIS makensis REQUIRED)
set(TESSIVANE_PORTABLE tessivane-${PROJECT_VERSION}-windows-x64)
set(TESSIVANE_ZIP ${CMAKE_BINARY_DIR}/${TESSIVANE_PORTABLE}.zip)
set(TESSIVANE_SETUP ${CMAKE_BINARY_DIR}/tessivane-${PROJECT_VERSION}-setup.exe)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name OUTPUT_VARIABLE _libgcc
                OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(_gcc_dir "${_libgcc}" DIRECTORY)
add_custom_command(OUTPUT ${TESSIVANE_ZIP} ${TESSIVANE_SETUP}
    COMMAND ${CMAKE_COMMAND}
        -DSTAGE=${CMAKE_BINARY_DIR}/package/${TESSIVANE_PORTABLE}
        -DPROGRAM=$<TARGET_FILE:tessivane>
        -DQT=${TESSIVANE_WINDOWS_QT}
        -DRUNTIME=${_gcc_dir}\;/usr/x86_64-w64-mingw32/lib
        -DSTRIP=${CMAKE_STRIP}
        -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
        -DZIP=${TESSIVANE_ZIP}
        -DSETUP=${TESSIVANE_SETUP}
        -DMAKENSIS=${MAKENSIS}
        -DINSTALLER=${PROJECT_SOURCE_DIR}/data/windows/installer.nsi
        -DICON=${CMAKE_BINARY_DIR}/app/tessivane.ico
        -DVERSION=${PROJECT_VERSION}
        -DMAKER=${TESSIVANE_MAKER}
        -P ${PROJECT_SOURCE_DIR}/cmake/WindowsDeploy.cmake
    DEPENDS tessivane ${PROJECT_SOURCE_DIR}/cmake/WindowsDeploy.cmake ${PROJECT_SOURCE_DIR}/data/windows/installer.nsi
    COMMENT "Making ${TESSIVANE_PORTABLE}.zip and tessivane-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
add_custom_target(package DEPENDS ${TESSIVANE_ZIP} ${TESSIVANE_SETUP})
