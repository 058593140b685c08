# What a release is, in one place: debian/changelog's newest entry gives the
# date written into the AppStream metadata, the manual page and the Windows
# files, and must name the project's version.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog _entry REGEX "^(tessivane \\(| -- )" LIMIT_COUNT 2)
list(GET _entry 0 _heading)
list(GET _entry 1 _trailer)
if(NOT _heading MATCHES "^tessivane \\(${PROJECT_VERSION}\\) " OR NOT _trailer MATCHES "^ -- .+  (.+)$")
    message(FATAL_ERROR "debian/changelog's newest entry must be version ${PROJECT_VERSION}, not \"${_heading}\"")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/debian/changelog)
execute_process(COMMAND date -u -d "${CMAKE_MATCH_1}" +%s OUTPUT_VARIABLE _release_epoch
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# The maker, as Windows shows it (registry key, file properties, installer).
set(TESSIVANE_MAKER "Quennic Softwares")

# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set, and only then.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(_caller_epoch "$ENV{SOURCE_DATE_EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${_release_epoch})
string(TIMESTAMP TESSIVANE_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP TESSIVANE_RELEASE_YEAR "%Y" UTC)
unset(ENV{SOURCE_DATE_EPOCH})

# The time every package writes for its files: the commit's (or SOURCE_DATE_EPOCH
# when the caller sets it), so that two builds of one commit give the same bytes.
# Outside a git checkout it is the release date.
if(DEFINED _caller_epoch)
    set(ENV{SOURCE_DATE_EPOCH} "${_caller_epoch}")
    set(TESSIVANE_SOURCE_DATE_EPOCH "${_caller_epoch}")
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE TESSIVANE_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    execute_process(COMMAND git rev-parse --absolute-git-dir WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE _git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    # A new commit configures anew, so the packages never carry an older time.
    if(EXISTS "${_git_dir}/logs/HEAD")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_git_dir}/logs/HEAD")
    endif()
endif()
if(NOT TESSIVANE_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    set(TESSIVANE_SOURCE_DATE_EPOCH ${_release_epoch})
endif()
