# The maker's site as a scheme, a host and an optional port. Scheme and host are
# case-insensitive and a port may carry leading zeros, but the address a page
# link hands to the browser must be written exactly as Qt writes it back (lower
# case, the port as a plain number), or it is not opened: store that form.
# Sets OUT to it, or to "" when VALUE is not such a site.
function(tessivane_normalize_site_base value out)
    string(TOLOWER "${value}" lower)
    set(${out} "" PARENT_SCOPE)
    if(NOT lower MATCHES "^(https?://[a-z0-9]([a-z0-9.-]*[a-z0-9])?)(:([0-9]+))?$")
        return()
    endif()
    set(site "${CMAKE_MATCH_1}")
    if(DEFINED CMAKE_MATCH_4 AND NOT CMAKE_MATCH_4 STREQUAL "")
        string(REGEX REPLACE "^0+([0-9])" "\\1" port "${CMAKE_MATCH_4}")
        string(LENGTH "${port}" digits)
        if(digits GREATER 5 OR port GREATER 65535)
            return()
        endif()
        string(APPEND site ":${port}")
    endif()
    set(${out} "${site}" PARENT_SCOPE)
endfunction()
