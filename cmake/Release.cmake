# What a release is, in one place: the version is the project's; the date and
# the maintainer are set here and written into the package, the AppStream
# metadata and the manual page.
set(TESSIVANE_RELEASE_DATE 2026-12-08)
set(TESSIVANE_MAINTAINER "Tessivane maintainers <maintainers@tessivane.example>")
# The maker, as Windows shows it (registry key, file properties, installer).
set(TESSIVANE_MAKER "Quennic Softwares")

# The date as a Debian changelog writes it: "Tue, 08 Dec 2026 00:00:00 +0000".
execute_process(COMMAND date -u -d "${TESSIVANE_RELEASE_DATE}" +%s OUTPUT_VARIABLE _release_epoch
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set, and only then.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(_caller_epoch "$ENV{SOURCE_DATE_EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${_release_epoch})
string(TIMESTAMP TESSIVANE_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
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
