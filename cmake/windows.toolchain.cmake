# Cross-compiles for 64-bit Windows with the Qt for MinGW-w64 that
# scripts/windows-qt makes ready: the one of the host's Qt version, in the cache
# (or TESSIVANE_WINDOWS_QT, a prefix of one's own).
if(NOT TESSIVANE_WINDOWS_QT)
    set(TESSIVANE_WINDOWS_QT "$ENV{TESSIVANE_WINDOWS_QT}")
endif()
if(NOT TESSIVANE_WINDOWS_QT)
    file(STRINGS /usr/lib/x86_64-linux-gnu/cmake/Qt6/Qt6ConfigVersionImpl.cmake _line
         REGEX "^set\\(PACKAGE_VERSION \"[0-9.]+\"\\)$")
    string(REGEX MATCH "[0-9.]+" _version "${_line}")
    if(DEFINED ENV{TESSIVANE_CACHE})
        set(_cache "$ENV{TESSIVANE_CACHE}")
    elseif(DEFINED ENV{XDG_CACHE_HOME})
        set(_cache "$ENV{XDG_CACHE_HOME}/tessivane")
    else()
        set(_cache "$ENV{HOME}/.cache/tessivane")
    endif()
    set(TESSIVANE_WINDOWS_QT "${_cache}/qt6-mingw-${_version}")
endif()
set(TESSIVANE_WINDOWS_QT "${TESSIVANE_WINDOWS_QT}" CACHE PATH "Prefix of the Qt for Windows (MinGW-w64)")
if(NOT EXISTS "${TESSIVANE_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Qt for Windows in ${TESSIVANE_WINDOWS_QT}: run scripts/windows-qt first")
endif()
include("${TESSIVANE_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
