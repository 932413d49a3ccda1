# Checks that the Marathi translation holds every text of the window as the sources
# have it now: lupdate, run over ui/ and forms/ into a copy of kalnika_mr.ts as the
# kalnika_lupdate target runs it, leaves no entry unfinished (a text added or
# changed without its Marathi) and none vanished (a Marathi kept for a text the
# sources no longer have); and each translation keeps its source's places (%1,
# %2 ...) and its keyboard letter, which stays Latin in brackets ("गणना करा (&C)").
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DTS=.../kalnika_mr.ts -DWORK=folder -P translation_complete.cmake
file(GLOB sources ${SOURCE_DIR}/ui/*.cpp ${SOURCE_DIR}/ui/*.h ${SOURCE_DIR}/forms/*.cpp ${SOURCE_DIR}/forms/*.h)
file(MAKE_DIRECTORY ${WORK})
set(copy ${WORK}/kalnika_mr.ts)
configure_file(${TS} ${copy} COPYONLY)
execute_process(COMMAND ${LUPDATE} -silent -locations none -tr-function-alias QT_TRANSLATE_NOOP+=KALNIKA_TEXT
                        ${sources} -ts ${copy}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc}): ${out}")
endif()
file(READ ${copy} ts)
# A semicolon parts CMake's lists: the entities' ones go first.
string(REPLACE "&amp;" "&AMP" ts "${ts}")
string(REPLACE ";" "," ts "${ts}")

set(problems "")
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"(unfinished|vanished|obsolete)\"" open "${ts}")
foreach(entry IN LISTS open)
  string(REGEX REPLACE "[ \t\r\n]+" " " entry "${entry}")
  string(APPEND problems "\n  ${entry}")
endforeach()

string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation>[^<]*</translation>" done "${ts}")
list(LENGTH done count)
foreach(entry IN LISTS done)
  string(REGEX REPLACE "^<source>([^<]*)</source>.*$" "\\1" source "${entry}")
  string(REGEX REPLACE "^.*<translation>([^<]*)</translation>$" "\\1" translation "${entry}")
  string(REGEX MATCHALL "%[1-9]" source_places "${source}")
  string(REGEX MATCHALL "%[1-9]" translated_places "${translation}")
  list(REMOVE_DUPLICATES source_places)
  list(REMOVE_DUPLICATES translated_places)
  list(SORT source_places)
  list(SORT translated_places)
  if(NOT "${source_places}" STREQUAL "${translated_places}")
    string(APPEND problems "\n  places ${source_places} / ${translated_places}: ${source}")
  endif()
  string(REGEX MATCH "&AMP[A-Za-z0-9]" source_letter "${source}")
  string(REGEX MATCH "&AMP[A-Za-z0-9]" translated_letter "${translation}")
  string(TOUPPER "${source_letter}" source_letter)
  string(TOUPPER "${translated_letter}" translated_letter)
  if(NOT "${source_letter}" STREQUAL "${translated_letter}")
    string(APPEND problems "\n  letter ${source_letter} / ${translated_letter}: ${source} -> ${translation}")
  endif()
endforeach()

if(problems)
  message(FATAL_ERROR "kalnika_mr.ts is not complete (run the kalnika_lupdate target and translate):${problems}")
endif()
if(count LESS 100)
  message(FATAL_ERROR "kalnika_mr.ts holds only ${count} translated texts")
endif()
message(STATUS "${count} texts, each translated with its places and letter")
