# cmake -DFILE=<path> -DLIMIT=<bytes> -P check_file_size.cmake
# Fails when FILE is missing or larger than LIMIT bytes; prints its size.
file(SIZE "${FILE}" size)
message(STATUS "${FILE}: ${size} bytes (limit ${LIMIT})")
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE} is ${size} bytes, over the limit of ${LIMIT}")
endif()
