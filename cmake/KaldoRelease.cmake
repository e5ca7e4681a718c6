# The release being built, read from the Debian changelog (resources/debian/changelog): its first
# entry must be for the project's version. It gives the package its Debian revision
# (KALDO_DEBIAN_REVISION) and the AppStream metadata its release date (KALDO_RELEASE_DATE, ISO).

set(KALDO_CHANGELOG ${PROJECT_SOURCE_DIR}/resources/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KALDO_CHANGELOG})
file(READ ${KALDO_CHANGELOG} changelog)

if(NOT changelog MATCHES "^kaldo \\(([^-)]+)-([^)]+)\\)")
    message(FATAL_ERROR "${KALDO_CHANGELOG}: the first line is not \"kaldo (VERSION-REVISION) ...\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${KALDO_CHANGELOG}: the newest entry is for ${CMAKE_MATCH_1}, "
        "the project is ${PROJECT_VERSION}; add an entry for it")
endif()
set(KALDO_UPSTREAM_VERSION ${PROJECT_VERSION})
set(KALDO_DEBIAN_REVISION ${CMAKE_MATCH_2})

# The first trailer line, " -- Name <address>  Tue, 08 Dec 2026 09:00:00 +0000", dates the entry.
if(NOT changelog MATCHES "\n -- [^\n]*  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])")
    message(FATAL_ERROR "${KALDO_CHANGELOG}: the newest entry has no trailer line with its date")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
list(FIND months ${CMAKE_MATCH_2} month)
if(month EQUAL -1)
    message(FATAL_ERROR "${KALDO_CHANGELOG}: unknown month ${CMAKE_MATCH_2} in the newest entry's date")
endif()
math(EXPR month "${month} + 1")
foreach(part month day)
    if(${part} MATCHES "^[0-9]$")
        set(${part} 0${${part}})
    endif()
endforeach()
set(KALDO_RELEASE_DATE ${year}-${month}-${day})
