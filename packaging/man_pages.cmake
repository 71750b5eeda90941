# Man pages made from the programs' own --help texts by help2man, so that they
# never drift from what the programs say. `vorla fire tsquared` and the other
# commands get pages of their own (vorla-fire-tsquared(1)), as git's do.
find_program(VORLA_HELP2MAN help2man REQUIRED)
find_program(VORLA_GZIP gzip REQUIRED)

set(man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
set(join_usage ${CMAKE_CURRENT_SOURCE_DIR}/man/join-usage.awk)
set(man_pages)

# One page per entry: the page's name, what it does in one line, the program
# and the words that make up the command.
set(man_entries
  "vorla|run the calculations of the VORLA fire-protection suite|vorla"
  "vorla-compartment|two-zone compartment fire model with one wall vent|vorla|compartment"
  "vorla-smoke|smoke filling model of a closed room|vorla|smoke"
  "vorla-fire|build a design fire and write its fire file|vorla|fire"
  "vorla-fire-tsquared|write the fire file of a t-squared fire|vorla|fire|tsquared"
  "vorla-fire-universal|write the fire file of a semi-universal fire|vorla|fire|universal"
  "vorla-fire-pool|write the fire file of a pool fire|vorla|fire|pool"
  "vorla-fire-furniture|write the fire file of a burning piece of furniture|vorla|fire|furniture"
  "vorla-fire-custom|write the fire file of a fire typed in as points|vorla|fire|custom")
if(VORLA_BUILD_UI)
  list(APPEND man_entries
    "vorla-xw|VORLA-XW, compartment fire model with one wall vent|vorla-xw"
    "skeva-xw|SKEVA-XW, smoke filling model of a closed room|skeva-xw"
    "qdot-xw|QDOT-XW, design fire generator|qdot-xw")
endif()

# Every page points to all the others.
set(see_also)
foreach(entry IN LISTS man_entries)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 page)
  list(APPEND see_also "\\fB${page}\\fR(1)")
endforeach()
list(JOIN see_also ",\n" see_also)
file(CONFIGURE OUTPUT ${man_dir}/see-also.h2m CONTENT "[SEE ALSO]\n${see_also}\n" @ONLY)

foreach(entry IN LISTS man_entries)
  string(REPLACE "|" ";" fields "${entry}")
  list(POP_FRONT fields page summary target)
  list(JOIN fields " " words)
  # help2man names the page after the program it runs: a two-line script named
  # after the page runs the command.
  set(runner ${man_dir}/commands/${page})
  file(GENERATE OUTPUT ${runner}
    CONTENT "#!/bin/sh\n'$<TARGET_FILE:${target}>' ${words} \"$@\" | awk -f '${join_usage}'\n"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
  set(page_file ${man_dir}/${page}.1)
  add_custom_command(OUTPUT ${page_file}.gz
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VORLA_RELEASE_EPOCH} LC_ALL=C.UTF-8
            ${VORLA_HELP2MAN} --no-info --locale=C.UTF-8 --section=1 "--name=${summary}"
            --version-string=${PROJECT_VERSION} "--source=VORLA suite"
            "--manual=VORLA suite" --include=${man_dir}/see-also.h2m --output=${page_file}
            ${runner}
    COMMAND ${VORLA_GZIP} -9nf ${page_file}
    DEPENDS ${target} ${runner} ${join_usage} ${man_dir}/see-also.h2m
    COMMENT "Writing the man page ${page}(1)"
    VERBATIM)
  list(APPEND man_pages ${page_file}.gz)
  install(FILES ${page_file}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(vorla_man_pages ALL DEPENDS ${man_pages})
