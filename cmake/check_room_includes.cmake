# cmake -DFOLDER=dir -DROOT=dir -DALLOWED=a,b -DSTAMP=file -P check_room_includes.cmake
# Stops with an error when a header or source of FOLDER includes a header of
# the program's upper layers (ui/, search/, about/, app/) that is not in one
# of the ALLOWED folders (paths from ROOT, separated by commas); writes STAMP
# when every include runs the right way.
cmake_minimum_required(VERSION 3.20)
string(REPLACE "," ";" allowed "${ALLOWED}")
file(GLOB files ${FOLDER}/*.h ${FOLDER}/*.cpp)
set(wrong "")
foreach(file IN LISTS files)
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(ui|search|about|app)/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" header "${line}")
    get_filename_component(folder ${header} DIRECTORY)
    if(NOT folder IN_LIST allowed)
      file(RELATIVE_PATH shown ${ROOT} ${file})
      string(APPEND wrong "\n  ${shown}: ${header}")
    endif()
  endforeach()
endforeach()
if(wrong)
  file(RELATIVE_PATH room ${ROOT} ${FOLDER})
  string(REPLACE ";" ", " shown_allowed "${allowed}")
  message(FATAL_ERROR "These includes run the wrong way (${room} may include from ${shown_allowed} only):${wrong}")
endif()
file(TOUCH ${STAMP})
