# vorla_add_library(<name> SOURCES ... [LINKS ...] [QT]): the static library of
# one folder. Its headers are included from the project root
# ("compartment/model/run_inputs.h"), it builds with the project's warnings, and
# LINKS are what its own headers need (so they pass on to whatever links it).
# QT turns on moc for the Qt windows' folders.
function(vorla_add_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE vorla_warnings)
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()
