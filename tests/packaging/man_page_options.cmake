# Checks that the manual page MANUAL describes exactly the long options that
# PROGRAM --help lists (and --help itself, which a usage text may leave out): an
# option added to the program without its entry in the manual, or an entry left
# for an option that is gone, fails.
#   cmake -DPROGRAM=path/kalnika-cli -DMANUAL=data/kalnika-cli.1 -P man_page_options.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help ERROR_VARIABLE help_err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${rc}): ${help_err}")
endif()
string(REGEX MATCHALL "--[a-z][a-z-]*" listed "${help}")
list(APPEND listed --help)
list(REMOVE_DUPLICATES listed)
list(LENGTH listed count)
if(count LESS 2)
  message(FATAL_ERROR "${PROGRAM} --help lists no long options:\n${help}")
endif()

file(READ ${MANUAL} manual)
string(REGEX MATCHALL "\\\\-\\\\-[a-z][a-z\\\\-]*" described "${manual}")
list(TRANSFORM described REPLACE "\\\\-" "-")
list(REMOVE_DUPLICATES described)

set(undescribed ${listed})
list(REMOVE_ITEM undescribed ${described})
set(gone ${described})
list(REMOVE_ITEM gone ${listed})
if(undescribed OR gone)
  message(FATAL_ERROR "${MANUAL} and ${PROGRAM} --help differ:\n"
                      "  not in the manual: ${undescribed}\n  not in --help: ${gone}")
endif()
message(STATUS "${count} options of --help, each described in the manual: ${listed}")
