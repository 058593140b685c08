# cmake -P: what a configured site base becomes.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/SiteBase.cmake)

set(failed 0)
# given => stored ("" where it is refused)
foreach(row
        "http://www.tessivane.example=>http://www.tessivane.example"
        "http://WWW.Tessivane.EXAMPLE=>http://www.tessivane.example"
        "HTTPS://Example.org:0080=>https://example.org:80"
        "http://example.org:00=>http://example.org:0"
        "http://example.org:65535=>http://example.org:65535"
        "http://example.org:65536=>"
        "http://example.org:0000000000000080=>http://example.org:80"
        "http://example.org:123456=>"
        "http://example.org/=>"
        "ftp://example.org=>"
        "http://-example.org=>"
        "http://exa mple.org=>")
    string(REPLACE "=>" ";" parts "${row}")
    list(GET parts 0 given)
    list(LENGTH parts count)
    set(expected "")
    if(count EQUAL 2)
        list(GET parts 1 expected)
    endif()
    tessivane_normalize_site_base("${given}" stored)
    if(NOT stored STREQUAL expected)
        message("FAILED: ${given} gave \"${stored}\", expected \"${expected}\"")
        math(EXPR failed "${failed} + 1")
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "${failed} site bases stored wrongly")
endif()
