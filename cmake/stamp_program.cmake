# cmake -DTOOL=<pe_stamp> -DFILE=<exe> -DDATE_FILE=<file> -P stamp_program.cmake
# Sets FILE's header time stamp to the date in DATE_FILE (written by
# source_date.cmake) and its check sum anew, with the host tool pe_stamp.
file(READ "${DATE_FILE}" date)
string(STRIP "${date}" date)
execute_process(COMMAND "${TOOL}" "${FILE}" "${date}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "could not set the time stamp of ${FILE}")
endif()
