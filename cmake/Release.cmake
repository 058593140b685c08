# What a release is, in one place: the version is the project's; the date and
# the maintainer are set here and written into the package, the AppStream
# metadata and the manual page.
set(TESSIVANE_RELEASE_DATE 2026-12-08)
set(TESSIVANE_MAINTAINER "Tessivane maintainers <maintainers@tessivane.example>")
# The maker, as Windows shows it (registry key, file properties, installer).
set(TESSIVANE_MAKER "Quennic Softwares")

# The date as a Debian changelog writes it: "Tue, 08 Dec 2026 00:00:00 +0000".
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${TESSIVANE_RELEASE_DATE}")
math(EXPR _year "${CMAKE_MATCH_1}")
math(EXPR _month "${CMAKE_MATCH_2}")
set(_daytext "${CMAKE_MATCH_3}")
math(EXPR _day "${CMAKE_MATCH_3}")
# Zeller's congruence: 0 is Saturday.
set(_y ${_year})
set(_m ${_month})
if(_m LESS 3)
    math(EXPR _m "${_m} + 12")
    math(EXPR _y "${_y} - 1")
endif()
math(EXPR _weekday "(${_day} + (13 * (${_m} + 1)) / 5 + ${_y} + ${_y} / 4 - ${_y} / 100 + ${_y} / 400) % 7")
set(_names Sat Sun Mon Tue Wed Thu Fri)
list(GET _names ${_weekday} _weekday)
math(EXPR _month "${_month} - 1")
set(_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _names ${_month} _month)
set(TESSIVANE_RELEASE_DATE_RFC2822 "${_weekday}, ${_daytext} ${_month} ${_year} 00:00:00 +0000")
set(TESSIVANE_RELEASE_YEAR ${_year})

# The time every package writes for its files: the commit's (or SOURCE_DATE_EPOCH
# when the caller sets it), so that two builds of one commit give the same bytes.
# Outside a git checkout it is the release date.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(TESSIVANE_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
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
    execute_process(COMMAND date -u -d "${TESSIVANE_RELEASE_DATE}" +%s OUTPUT_VARIABLE TESSIVANE_SOURCE_DATE_EPOCH
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
