# cmake -DRSVG=<rsvg-convert> -DICOTOOL=<icotool> -DOUTPUT=<file.ico> -DWORK=<folder>
#       -DIMAGES="<size>=<file.svg>,..." [-DRAW_SIZE=256] -P make_icon.cmake
# Renders each picture at its size (square, width = height = size), checks
# every rendering's PNG header for that size and writes one icon file holding
# them all, 32 bits per pixel, the RAW_SIZE one kept as PNG. A picture that
# does not render, or renders to another size, stops with a message naming
# its file; OUTPUT is then left as it was (the icon is written to a temporary
# file and renamed only when complete).
cmake_minimum_required(VERSION 3.20)
foreach(variable RSVG ICOTOOL OUTPUT WORK IMAGES)
  if(NOT DEFINED ${variable} OR "${${variable}}" STREQUAL "")
    message(FATAL_ERROR "make_icon.cmake: ${variable} is not given")
  endif()
endforeach()
# Commas separate the images: a list's semicolons would split the argument.
string(REPLACE "," ";" IMAGES "${IMAGES}")
if(NOT DEFINED RAW_SIZE)
  set(RAW_SIZE 256)
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# The width and height in a PNG's IHDR chunk, or an empty value when `png` is
# not a PNG file.
function(png_size png out_width out_height)
  set(${out_width} "" PARENT_SCOPE)
  set(${out_height} "" PARENT_SCOPE)
  file(SIZE "${png}" size)
  if(size LESS 24)
    return()
  endif()
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 32 signature)
  if(NOT signature STREQUAL "89504e470d0a1a0a0000000d49484452")
    return()
  endif()
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  set(${out_width} ${width} PARENT_SCOPE)
  set(${out_height} ${height} PARENT_SCOPE)
endfunction()

set(plain "")
set(raw "")
foreach(image IN LISTS IMAGES)
  string(REPLACE "=" ";" fields "${image}")
  list(GET fields 0 size)
  list(GET fields 1 svg)
  if(NOT EXISTS "${svg}")
    message(FATAL_ERROR "${svg}: the icon's picture is missing")
  endif()
  set(png "${WORK}/icon-${size}.png")
  # Only the width is asked for: the height follows from the picture, so a
  # picture that is not square shows up in the check below.
  execute_process(COMMAND "${RSVG}" --width=${size} --format=png --output "${png}" "${svg}"
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT EXISTS "${png}")
    string(STRIP "${errors}" errors)
    message(FATAL_ERROR "${svg}: the icon's picture does not render at ${size} pixels: ${errors}")
  endif()
  png_size("${png}" width height)
  if(width STREQUAL "")
    message(FATAL_ERROR "${svg}: rendering at ${size} pixels gave no PNG image")
  endif()
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${svg}: the icon's picture renders to ${width} x ${height} pixels instead of "
                        "${size} x ${size} (it must be square)")
  endif()
  if(size EQUAL RAW_SIZE)
    list(APPEND raw "--raw=${png}")
  else()
    list(APPEND plain "${png}")
  endif()
endforeach()

set(partial "${OUTPUT}.partial")
file(REMOVE "${partial}")
execute_process(COMMAND "${ICOTOOL}" --create --bit-depth=32 --output=${partial} ${plain} ${raw}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS "${partial}")
  file(REMOVE "${partial}")
  message(FATAL_ERROR "${OUTPUT}: icotool could not make the icon: ${errors}")
endif()
# The icon file's header: reserved 0, type 1 (icon), then the image count.
list(LENGTH IMAGES expected)
file(READ "${partial}" header LIMIT 6 HEX)
string(SUBSTRING "${header}" 8 4 count_hex)
string(SUBSTRING "${count_hex}" 0 2 low)
string(SUBSTRING "${count_hex}" 2 2 high)
math(EXPR count "0x${high}${low}")
if(NOT header MATCHES "^00000100" OR NOT count EQUAL expected)
  file(REMOVE "${partial}")
  message(FATAL_ERROR "${OUTPUT}: icotool wrote ${count} images instead of ${expected}")
endif()
file(RENAME "${partial}" "${OUTPUT}")
