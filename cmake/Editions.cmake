# Dorvane ships two editions from the same sources. Code that differs between
# them tests DORVANE_EARLIER_EDITION (0 for the current edition, 1 for the
# earlier one).
#
#   dorvane_add_editions(NAME <kind> SOURCES... [LIBRARIES...])
#
# creates NAME (current edition) and NAME_earlier (earlier edition), both built
# from SOURCES, with the edition's compile definition and the given link
# libraries. <kind> is SHARED, STATIC, MODULE or EXECUTABLE.
function(dorvane_add_editions name kind)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;INCLUDES" ${ARGN})
  foreach(edition current earlier)
    if(edition STREQUAL "current")
      set(target ${name})
      set(earlier 0)
    else()
      set(target ${name}_earlier)
      set(earlier 1)
    endif()
    if(kind STREQUAL "EXECUTABLE")
      add_executable(${target} ${ARG_SOURCES})
    else()
      add_library(${target} ${kind} ${ARG_SOURCES})
    endif()
    target_compile_definitions(${target} PRIVATE DORVANE_EARLIER_EDITION=${earlier})
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES})
    target_include_directories(${target} PRIVATE ${ARG_INCLUDES})
  endforeach()
endfunction()
