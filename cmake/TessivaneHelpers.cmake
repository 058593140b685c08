# Warnings and definitions shared by every target of the project.
function(tessivane_compile_options target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive- /utf-8)
        if(TESSIVANE_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
        if(TESSIVANE_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
    if(MINGW)
        # The protections the Debian package gets, as far as MinGW-w64 has them.
        # Compiling alone is enough: its C runtime holds the checking functions,
        # where linking with the flag would add libssp-0.dll.
        target_compile_options(${target} PRIVATE -fstack-protector-strong -D_GLIBCXX_ASSERTIONS
                               $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    endif()
endfunction()

function(tessivane_qt_definitions target)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII
        QT_NO_CAST_TO_ASCII
        QT_NO_URL_CAST_FROM_STRING
        QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
        QT_NO_FOREACH
        QT_DISABLE_DEPRECATED_BEFORE=0x060400)
endfunction()

# A QtTest executable run headless, with a fixed locale and its own XDG folders
# so that it can never read or write the user's settings.
function(tessivane_add_qt_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    tessivane_compile_options(${name})
    tessivane_qt_definitions(${name})
    add_test(NAME ${name} COMMAND ${name})
    set(home "${CMAKE_CURRENT_BINARY_DIR}/${name}-home")
    set_tests_properties(${name} PROPERTIES
        LABELS "qt"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_RUNTIME_DIR=${home}/runtime;QT_FORCE_STDERR_LOGGING=1")
    file(MAKE_DIRECTORY "${home}/config" "${home}/runtime")
    file(CHMOD "${home}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()
