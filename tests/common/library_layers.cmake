# cmake -DSOURCE_DIR=<tree> -P library_layers.cmake
#
# common/'s libraries stand in layers: each folder may include only its own
# headers and those of the folders below it, so that a newcomer can read (and
# link) a lower library without the higher ones. Every library's include path
# is the project root, so the compiler would accept any "common/..." include:
# this check is what keeps the layers. It fails naming each include that
# reaches up (or out, into a program's own folders).
cmake_minimum_required(VERSION 3.20)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# folder -> the folders its files may include (besides itself and the standard
# and third-party headers, which are not "common/..." or a program's folder).
set(allowed_files        "")
set(allowed_text         "")
set(allowed_inputs       "common/text")
set(allowed_command_line "")
set(allowed_fire_files   "common/files;common/text")
set(allowed_model_runs   "common/fire_files;common/inputs;common/files;common/text")
set(allowed_key_results  "common/model_runs;common/fire_files;common/inputs;common/files;common/text")
set(allowed_plot         "common/files;common/text")
set(allowed_ui           "common/files;common/text;common/inputs;common/command_line;common/fire_files;common/model_runs;common/key_results;common/plot")
set(layers files text inputs command_line fire_files model_runs key_results plot ui)

# The folders of the programs and of what only some programs share: none of
# common/ may include them.
set(program_folders zone_models compartment smoke_filling fire_generator life_safety study cli
    literal verification tools bench fuzz tests)

set(problems "")
foreach(layer IN LISTS layers)
  file(GLOB sources "${SOURCE_DIR}/common/${layer}/*.h" "${SOURCE_DIR}/common/${layer}/*.cpp")
  if(NOT sources)
    string(APPEND problems "\n  common/${layer}/ has no source files (a folder moved?)")
  endif()
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
      # The header the build writes (the suite's version) is the command line's.
      if(included STREQUAL "common/suite_version.h")
        set(folder "common/command_line")
      elseif(included MATCHES "^common/([a-z_]+)/")
        set(folder "common/${CMAKE_MATCH_1}")
      elseif(included MATCHES "^([a-z_]+)/")
        set(folder "${CMAKE_MATCH_1}")
        if(folder IN_LIST program_folders)
          string(APPEND problems "\n  ${shown}: ${included} (outside common/)")
        endif()
        continue()
      else()
        continue() # a header of the same folder without its path, or a third-party one
      endif()
      if(folder STREQUAL "common/${layer}")
        continue()
      endif()
      if(NOT folder IN_LIST allowed_${layer})
        string(APPEND problems "\n  ${shown}: ${included} (above common/${layer}/)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that leave their library's layer:${problems}")
endif()
message(STATUS "common/'s libraries include only the layers below them")
