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
