# The dump tool's test on a directory packet, with what it must print taken
# from the directory source rather than written down: as many rows as the
# source has persons (KIND person) or numbers (KIND phone), the last of them
# printed, and the reader ending at the packet file's own size.
#
#   cmake -DDUMP=tool -DPACKET=file -DSOURCE=directory.txt -DKIND=person|phone -P check_dump.cmake

file(STRINGS "${SOURCE}" lines ENCODING UTF-8)
list(FILTER lines EXCLUDE REGEX "^#")
list(REMOVE_AT lines 0)  # the header
list(TRANSFORM lines REPLACE "\r$" "")
list(LENGTH lines numbers)
set(names ${lines})
list(TRANSFORM names REPLACE "\t.*$" "")
list(REMOVE_DUPLICATES names)
list(LENGTH names persons)
file(SIZE "${PACKET}" size)

if(KIND STREQUAL "person")
  set(arguments "")
  set(pattern "rows: ${persons} \\(from offset 75\\).*row ${persons}:.*end at offset ${size} of ${size}")
elseif(KIND STREQUAL "phone")
  set(arguments --rows 1)
  set(pattern "TEL: signed 4 .*ORIGIN = \"TEL.TEL\\\\x00\".*row ${numbers}:.*end at offset ${size} of ${size}")
else()
  message(FATAL_ERROR "KIND must be person or phone")
endif()

execute_process(COMMAND "${DUMP}" ${arguments} "${PACKET}" OUTPUT_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${DUMP} exited with ${status}:\n${output}")
endif()
if(NOT output MATCHES "${pattern}")
  message(FATAL_ERROR "the dump does not match \"${pattern}\":\n${output}")
endif()
message(STATUS "${PACKET}: ${persons} persons, ${numbers} numbers, ${size} bytes")
