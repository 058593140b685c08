# What a Windows user downloads, made by the "package" target of the windows
# build: the portable folder as tessivane-VERSION-windows-x64.zip, and the
# per-user installer tessivane-VERSION-setup.exe (NSIS) that installs it.  Both
# are the same bytes for two builds of one commit.  Given a key, the program,
# the uninstaller and the installer are signed (Authenticode).
find_program(MAKENSIS makensis REQUIRED)
set(TESSIVANE_SIGN_PKCS12 "" CACHE FILEPATH "Authenticode key and certificate (PKCS#12) to sign the Windows files with")
set(TESSIVANE_SIGN_PASSWORD_FILE "" CACHE FILEPATH "File whose first line is the password of TESSIVANE_SIGN_PKCS12")
set(TESSIVANE_SIGN_TIMESTAMP_URL "" CACHE STRING "Time-stamp server (RFC 3161) for the signatures, optional")
if(TESSIVANE_SIGN_PKCS12)
    find_program(OSSLSIGNCODE osslsigncode REQUIRED)
    foreach(_file TESSIVANE_SIGN_PKCS12 TESSIVANE_SIGN_PASSWORD_FILE)
        if(NOT EXISTS "${${_file}}")
            message(FATAL_ERROR "Signing needs ${_file}, and \"${${_file}}\" does not exist")
        endif()
    endforeach()
endif()

set(TESSIVANE_PORTABLE tessivane-${PROJECT_VERSION}-windows-x64)
set(TESSIVANE_ZIP ${CMAKE_BINARY_DIR}/${TESSIVANE_PORTABLE}.zip)
set(TESSIVANE_SETUP ${CMAKE_BINARY_DIR}/tessivane-${PROJECT_VERSION}-setup.exe)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name OUTPUT_VARIABLE _libgcc
                OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(_gcc_dir "${_libgcc}" DIRECTORY)
set(TESSIVANE_PACKAGE_SETTINGS ${CMAKE_BINARY_DIR}/package/settings.cmake)
file(GENERATE OUTPUT ${TESSIVANE_PACKAGE_SETTINGS} CONTENT "set(PORTABLE \"${TESSIVANE_PORTABLE}\")
set(STAGE \"${CMAKE_BINARY_DIR}/package/${TESSIVANE_PORTABLE}\")
set(PROGRAM \"$<TARGET_FILE:tessivane>\")
set(QT \"${TESSIVANE_WINDOWS_QT}\")
set(RUNTIME \"${_gcc_dir};/usr/x86_64-w64-mingw32/lib\")
set(STRIP \"${CMAKE_STRIP}\")
set(LICENSE \"${PROJECT_SOURCE_DIR}/LICENSE\")
set(ZIP \"${TESSIVANE_ZIP}\")
set(SETUP \"${TESSIVANE_SETUP}\")
set(MAKENSIS \"${MAKENSIS}\")
set(INSTALLER \"${PROJECT_SOURCE_DIR}/data/windows/installer.nsi\")
set(ICON \"${CMAKE_BINARY_DIR}/app/tessivane.ico\")
set(VERSION \"${PROJECT_VERSION}\")
set(MAKER \"${TESSIVANE_MAKER}\")
set(EPOCH \"${TESSIVANE_SOURCE_DATE_EPOCH}\")
if(NOT DEFINED SIGN_PKCS12)
    set(SIGN_PKCS12 \"${TESSIVANE_SIGN_PKCS12}\")
    set(SIGN_PASSWORD_FILE \"${TESSIVANE_SIGN_PASSWORD_FILE}\")
    set(SIGN_TIMESTAMP_URL \"${TESSIVANE_SIGN_TIMESTAMP_URL}\")
endif()
")
add_custom_command(OUTPUT ${TESSIVANE_ZIP} ${TESSIVANE_SETUP}
    COMMAND ${CMAKE_COMMAND} -DSETTINGS=${TESSIVANE_PACKAGE_SETTINGS} -P ${PROJECT_SOURCE_DIR}/cmake/WindowsDeploy.cmake
    DEPENDS tessivane ${TESSIVANE_PACKAGE_SETTINGS} ${PROJECT_SOURCE_DIR}/cmake/WindowsDeploy.cmake
            ${PROJECT_SOURCE_DIR}/cmake/Sign.cmake ${PROJECT_SOURCE_DIR}/data/windows/installer.nsi
    COMMENT "Making ${TESSIVANE_PORTABLE}.zip and tessivane-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
add_custom_target(package DEPENDS ${TESSIVANE_ZIP} ${TESSIVANE_SETUP})
