# Keeps a build tree's copy of the bundled place file (COPY) in step with its
# source (SOURCE) without losing what a developer stored into it: the copy is
# replaced when it is missing or still the bundled file last copied (PRISTINE,
# kept beside it), and left alone, with a word, once places or a default were
# stored into it.
#   cmake -DSOURCE=... -DCOPY=... -DPRISTINE=... -P refresh_place_file.cmake
set(untouched FALSE)
if(NOT EXISTS "${COPY}")
  set(untouched TRUE)
elseif(EXISTS "${PRISTINE}")
  file(SHA256 "${COPY}" copy_hash)
  file(SHA256 "${PRISTINE}" pristine_hash)
  if(copy_hash STREQUAL pristine_hash)
    set(untouched TRUE)
  endif()
endif()
if(untouched)
  file(COPY_FILE "${SOURCE}" "${COPY}")
else()
  message(STATUS "${COPY} holds places stored into it: kept (delete it for the bundled one)")
endif()
file(COPY_FILE "${SOURCE}" "${PRISTINE}")
