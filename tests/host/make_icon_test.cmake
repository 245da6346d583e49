# cmake -DRSVG=<rsvg-convert> -DICOTOOL=<icotool> -DSOURCE=<source tree> -DWORK=<folder> -P make_icon_test.cmake
# The icon step of the build (cmake/make_icon.cmake) with bad pictures: one
# that does not render and one that is not square each stop it with a message
# naming the picture, and leave no icon file; the program's own pictures make
# an icon of eight images.
set(script ${SOURCE}/cmake/make_icon.cmake)
set(pictures ${SOURCE}/tests/host/icon_pictures)
set(good ${SOURCE}/resources/program_icon.svg)
set(icon ${WORK}/test.ico)

function(make_icon images out_result out_errors)
  file(REMOVE ${icon})
  execute_process(COMMAND ${CMAKE_COMMAND} -DRSVG=${RSVG} -DICOTOOL=${ICOTOOL} -DOUTPUT=${icon}
                          -DWORK=${WORK}/images -DIMAGES=${images} -P ${script}
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  set(${out_result} ${result} PARENT_SCOPE)
  set(${out_errors} "${errors}" PARENT_SCOPE)
endfunction()

foreach(case "unclosed.svg:does not render at 16 pixels" "oblong.svg:renders to 16 x 8 pixels instead of 16 x 16")
  string(FIND "${case}" ":" colon)
  string(SUBSTRING "${case}" 0 ${colon} picture)
  math(EXPR after "${colon} + 1")
  string(SUBSTRING "${case}" ${after} -1 expected)
  # The bad picture after a good one: the good one's rendering is not kept either.
  make_icon("32=${good},16=${pictures}/${picture}" result errors)
  string(REPLACE "\n" " " errors "${errors}")
  string(REGEX REPLACE " +" " " errors "${errors}")
  if(result EQUAL 0)
    message(FATAL_ERROR "${picture}: the icon step went through")
  endif()
  string(FIND "${errors}" "${pictures}/${picture}: " named)
  string(FIND "${errors}" "${expected}" said)
  if(named EQUAL -1 OR said EQUAL -1)
    message(FATAL_ERROR "${picture}: the message does not name the picture and say \"${expected}\": ${errors}")
  endif()
  if(EXISTS ${icon} OR EXISTS ${icon}.partial)
    message(FATAL_ERROR "${picture}: an icon file was left behind")
  endif()
  message(STATUS "ok: ${picture} stops the icon step: ${expected}")
endforeach()

make_icon("16=${good},256=${good}" result errors)
if(NOT result EQUAL 0 OR NOT EXISTS ${icon})
  message(FATAL_ERROR "the program's picture made no icon: ${errors}")
endif()
file(READ ${icon} header LIMIT 6 HEX)
if(NOT header STREQUAL "000001000200")
  message(FATAL_ERROR "the icon file's header is ${header}, not that of an icon with two images")
endif()
message(STATUS "ok: the program's picture makes an icon of two images")
