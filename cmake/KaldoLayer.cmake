# kaldo_layer(<target> SOURCES <files...> DEPENDS <targets...>): a library of exactly the listed
# sources, whose headers the layers above include by name. A file is part of the program only
# when it is listed here by someone.
function(kaldo_layer target)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
endfunction()
