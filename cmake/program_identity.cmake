# The program's identity on the desktop, for the Windows tree: its icon (made
# from the vector pictures in resources/), its version information and its
# manifest, as two resource scripts written into the build tree:
#   PHONEBOOK_ICON_RC     the icon group alone (the Windows tests embed it too)
#   PHONEBOOK_VERSION_RC  version information and manifest (the program only)
# phonebook_identity(target) embeds both in `target`, links it as a terminal
# server aware program without a link time in its header, and after every link
# sets the header's time stamp to the sources' date (cmake/source_date.cmake).

find_program(PHONEBOOK_RSVG_CONVERT rsvg-convert)
find_program(PHONEBOOK_ICOTOOL icotool)
if(NOT PHONEBOOK_RSVG_CONVERT OR NOT PHONEBOOK_ICOTOOL)
  message(FATAL_ERROR "The program's icon needs rsvg-convert (Debian package librsvg2-bin) and icotool "
                      "(package icoutils); scripts/run and scripts/test install them.")
endif()

set(PHONEBOOK_IDENTITY_DIR ${CMAKE_BINARY_DIR}/identity)
set(PHONEBOOK_ICON_FILE ${PHONEBOOK_IDENTITY_DIR}/phonebook.ico CACHE INTERNAL "The program's icon file")

# The sizes up to 24 pixels come from a picture drawn on a 16-pixel grid, which
# stays sharp where the full picture would blur.
set(large_picture ${PROJECT_SOURCE_DIR}/resources/program_icon.svg)
set(small_picture ${PROJECT_SOURCE_DIR}/resources/program_icon_small.svg)
set(images "")
foreach(size 16 20 24)
  list(APPEND images "${size}=${small_picture}")
endforeach()
foreach(size 32 40 48 64 256)
  list(APPEND images "${size}=${large_picture}")
endforeach()
string(REPLACE ";" "," images "${images}")
add_custom_command(
  OUTPUT ${PHONEBOOK_ICON_FILE}
  COMMAND ${CMAKE_COMMAND} -DRSVG=${PHONEBOOK_RSVG_CONVERT} -DICOTOOL=${PHONEBOOK_ICOTOOL}
          -DOUTPUT=${PHONEBOOK_ICON_FILE} -DWORK=${PHONEBOOK_IDENTITY_DIR}/icon_images -DIMAGES=${images}
          -DRAW_SIZE=256 -P ${PROJECT_SOURCE_DIR}/cmake/make_icon.cmake
  DEPENDS ${large_picture} ${small_picture} ${PROJECT_SOURCE_DIR}/cmake/make_icon.cmake
  COMMENT "Making the program's icon from resources/program_icon.svg and resources/program_icon_small.svg"
  VERBATIM)
add_custom_target(program_icon DEPENDS ${PHONEBOOK_ICON_FILE})

file(GENERATE OUTPUT ${PHONEBOOK_IDENTITY_DIR}/program_icon.rc
     CONTENT "#include \"resources/program_resources.h\"\nPHONEBOOK_ICON_ID ICON \"${PHONEBOOK_ICON_FILE}\"\n")
set(PHONEBOOK_ICON_RC ${PHONEBOOK_IDENTITY_DIR}/program_icon.rc CACHE INTERNAL "The .rc file of the program's icon")

set(PHONEBOOK_VERSION4 ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
set(PHONEBOOK_MANIFEST ${PHONEBOOK_IDENTITY_DIR}/phonebook.manifest)
configure_file(${PROJECT_SOURCE_DIR}/resources/program.manifest.in ${PHONEBOOK_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/program_version.rc.in ${PHONEBOOK_IDENTITY_DIR}/program_version.rc @ONLY)
set(PHONEBOOK_VERSION_RC ${PHONEBOOK_IDENTITY_DIR}/program_version.rc)

# The sources' date, looked at on every build and written only when it changes.
set(PHONEBOOK_SOURCE_DATE_FILE ${PHONEBOOK_IDENTITY_DIR}/source_date.txt)
add_custom_target(source_date
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR} -DOUTPUT=${PHONEBOOK_SOURCE_DATE_FILE}
          -P ${PROJECT_SOURCE_DIR}/cmake/source_date.cmake
  BYPRODUCTS ${PHONEBOOK_SOURCE_DATE_FILE}
  COMMENT "Reading the date of the sources' last commit"
  VERBATIM)

# phonebook_embed_icon(target): the icon group in `target`'s resources.
function(phonebook_embed_icon target)
  # Source properties hold per folder: set here for the calling one.
  # (The script includes resources/program_resources.h: the target must see the source tree.)
  set_source_files_properties(${PHONEBOOK_ICON_RC} PROPERTIES OBJECT_DEPENDS ${PHONEBOOK_ICON_FILE})
  target_sources(${target} PRIVATE ${PHONEBOOK_ICON_RC})
  add_dependencies(${target} program_icon)
endfunction()

function(phonebook_identity target)
  phonebook_embed_icon(${target})
  set_source_files_properties(${PHONEBOOK_VERSION_RC} PROPERTIES OBJECT_DEPENDS ${PHONEBOOK_MANIFEST})
  target_sources(${target} PRIVATE ${PHONEBOOK_VERSION_RC})
  if(MINGW)
    target_link_options(${target} PRIVATE -Wl,--tsaware -Wl,--no-insert-timestamp)
  endif()
  add_dependencies(${target} source_date)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${PHONEBOOK_SOURCE_DATE_FILE})
endfunction()

# phonebook_stamp_command(out_var file): the post-build command that sets `file`'s
# time stamp (needs the host tree's pe_stamp).
function(phonebook_stamp_command out_var file)
  set(${out_var} COMMAND ${CMAKE_COMMAND} -DTOOL=${PHONEBOOK_HOST_TOOLS}/pe_stamp -DFILE=${file}
                 -DDATE_FILE=${PHONEBOOK_SOURCE_DATE_FILE} -P ${PROJECT_SOURCE_DIR}/cmake/stamp_program.cmake
      PARENT_SCOPE)
endfunction()
