# Fails when a committed translation is stale: lupdate, run afresh over the
# sources with the options of update_translations, writes another file (a
# text added, changed or gone, or a context that moved), warns, or an entry is
# left unfinished. lupdate itself exits 0 in each case.
# Takes LUPDATE, INCLUDE, WORK, and TS_FILES, SOURCES and OPTIONS as lists
# joined with "|".
foreach(list TS_FILES SOURCES OPTIONS)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(stale "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(COPY "${ts}" DESTINATION "${WORK}")
  execute_process(COMMAND "${LUPDATE}" ${OPTIONS} -I "${INCLUDE}" ${SOURCES} -ts "${WORK}/${name}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE warnings)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    string(APPEND stale "lupdate ${status} on ${name}:\n${output}${warnings}\n")
  endif()
  file(READ "${ts}" committed)
  file(READ "${WORK}/${name}" fresh)
  if(NOT committed STREQUAL fresh)
    execute_process(COMMAND diff -u "${ts}" "${WORK}/${name}" OUTPUT_VARIABLE difference)
    string(APPEND stale "${name} is not what lupdate makes of the sources now:\n${difference}\n")
  endif()
  string(FIND "${committed}" "type=\"unfinished\"" unfinished)
  if(NOT unfinished EQUAL -1)
    string(APPEND stale "${name} has unfinished entries\n")
  endif()
endforeach()
if(NOT stale STREQUAL "")
  message(FATAL_ERROR "${stale}Build the update_translations target and translate what it adds.")
endif()
