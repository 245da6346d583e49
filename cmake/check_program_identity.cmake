# cmake -DCHECKER=<program_identity_check> -DFILE=<phonebook.exe> -DDEBUG_FILE=<phonebook.debug>
#       -DSOURCE=<source tree> -DBUILD=<build tree> -DVERSION=<x.y.z> -P check_program_identity.cmake
# The program's identity as a user and the shell see it, checked in the built
# file: the values below, the sources' date as the header's time stamp, and
# neither tree's folder in the program or in its debug information.
include(${CMAKE_CURRENT_LIST_DIR}/source_date.cmake)
phonebook_source_date("${SOURCE}" date)
execute_process(
  COMMAND "${CHECKER}" "${FILE}" --time-stamp ${date} --version ${VERSION}
          --string "CompanyName=Cobbletree Soft"
          --string "FileDescription=Телефонный справочник г.Тальмир"
          --string "FileVersion=${VERSION}"
          --string "InternalName=phonebook"
          --string "LegalCopyright=© Cobbletree Soft, 2003"
          --string "OriginalFilename=phonebook.exe"
          --string "ProductName=Телефонный справочник г.Тальмир"
          --string "ProductVersion=${VERSION}"
          --absent "${SOURCE}" --absent "${BUILD}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FILE} does not carry the program's identity (see above)")
endif()

# The debug information names its sources relative to the trees too.
foreach(folder "${SOURCE}" "${BUILD}")
  string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" pattern "${folder}")
  file(STRINGS "${DEBUG_FILE}" hits REGEX "${pattern}" LIMIT_COUNT 1)
  if(hits)
    message(FATAL_ERROR "${DEBUG_FILE} names the folder ${folder}: ${hits}")
  endif()
endforeach()
message(STATUS "ok: ${DEBUG_FILE} names neither ${SOURCE} nor ${BUILD}")
