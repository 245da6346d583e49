# The date the sources are from, as seconds since 1970-01-01 UTC: the
# environment's SOURCE_DATE_EPOCH when it is set, else the time of the last
# commit when the source tree is a git checkout of its own, else 0. The
# program's header carries it, so two builds of one commit are the same bytes.
#
# include(source_date.cmake) gives phonebook_source_date(SOURCE OUT_VAR);
# cmake -DSOURCE=<tree> -DOUTPUT=<file> -P source_date.cmake writes the date to
# OUTPUT, touching the file only when the date changed (a new commit relinks
# the program, nothing else does).

function(phonebook_source_date source out_var)
  if(DEFINED ENV{SOURCE_DATE_EPOCH} AND "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    set(${out_var} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
    return()
  endif()
  set(date 0)
  find_program(PHONEBOOK_GIT git)
  if(PHONEBOOK_GIT)
    # Only a checkout whose top is the source tree: not a parent folder's.
    execute_process(COMMAND "${PHONEBOOK_GIT}" -C "${source}" rev-parse --show-toplevel
                    OUTPUT_VARIABLE top RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    file(REAL_PATH "${source}" real_source)
    if(result EQUAL 0 AND NOT top STREQUAL "")
      file(REAL_PATH "${top}" real_top)
    else()
      set(real_top "")
    endif()
    if(real_top STREQUAL real_source)
      execute_process(COMMAND "${PHONEBOOK_GIT}" -C "${source}" log -1 --format=%ct
                      OUTPUT_VARIABLE commit_time RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE
                      ERROR_QUIET)
      if(result EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
        set(date ${commit_time})
      endif()
    endif()
  endif()
  set(${out_var} ${date} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE AND DEFINED OUTPUT)
  phonebook_source_date("${SOURCE}" date)
  set(old "")
  if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
  endif()
  if(NOT old STREQUAL "${date}\n")
    file(WRITE "${OUTPUT}" "${date}\n")
  endif()
endif()
