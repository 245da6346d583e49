# Shared compiler settings for every tree.

if(MSVC)
  set(PHONEBOOK_WARNINGS /W4)
  # The sources are UTF-8.
  add_compile_options(/utf-8)
else()
  set(PHONEBOOK_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
endif()

# assert() checks our own invariants (never input bytes, which get error codes). The optimized build
# types define NDEBUG, which would switch the checks off in the trees that exist to test: the host,
# sanitizer and fuzz trees keep them on whatever the build type. The Windows tree builds the shipped
# program and keeps the build type's NDEBUG, so the program behaves as before.
if(WIN32)
  set(PHONEBOOK_ASSERTS_DEFAULT OFF)
else()
  set(PHONEBOOK_ASSERTS_DEFAULT ON)
endif()
option(PHONEBOOK_ASSERTS "Keep assert() active in optimized builds" ${PHONEBOOK_ASSERTS_DEFAULT})
if(PHONEBOOK_ASSERTS)
  foreach(type RELEASE RELWITHDEBINFO MINSIZEREL)
    string(REGEX REPLACE "[-/]DNDEBUG" "" CMAKE_CXX_FLAGS_${type} "${CMAKE_CXX_FLAGS_${type}}")
  endforeach()
endif()

if(PHONEBOOK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
# The fuzz targets need every library built with libFuzzer's coverage. The
# instrumented code also links into ordinary programs (the sanitizer runtime
# answers the coverage hooks), so one tree builds both the host tests and the
# fuzz targets.
if(PHONEBOOK_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
  if(NOT PHONEBOOK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  if(MSVC)
    # One self-contained executable: the static runtime.
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  else()
    # One self-contained executable: no mingw runtime DLLs beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
    # No folder of the build machine in the program or its debug information
    # (file names of asserts, the compile folder): the source tree becomes
    # "src" and the build tree "build", whatever they are called here. The
    # build tree's map comes last so that it wins for a tree inside the sources.
    add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=src>
                        $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>)
  endif()
endif()

# phonebook_library(name [DEPS targets...] [WIN32_LIBS libs...])
# A library of every .cpp in the calling folder. Files ending in _win.cpp are
# built only for Windows, files ending in _host.cpp only for the host: the two
# implementations of one header (the system's and our own).
function(phonebook_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;WIN32_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_host\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  if(NOT sources)
    # Nothing to compile on this platform (yet): headers only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${PHONEBOOK_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(WIN32 AND ARG_WIN32_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_WIN32_LIBS})
  endif()
endfunction()

# phonebook_test_program(target)
# A test, driver or screenshot program of the Windows tree (or a library only
# they use). The program's own code keeps the tree's optimization and debug
# information; the tests' code is compiled with light optimization and no debug
# information and linked without any, which halves its compile time and keeps
# the test executables a few megabytes instead of 30. The host trees keep their
# flags. Benchmarks and the bare start-up window are left as the program is.
function(phonebook_test_program target)
  if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -O1 -g0)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_link_options(${target} PRIVATE -s)
    endif()
  endif()
endfunction()

# phonebook_room_includes(target [MAY_INCLUDE folders...])
# The headers of the program's upper layers (ui/, search/, about/, app/) that
# the target's folder, a room, may include: its own and those of the given
# folders (paths from the project's root, such as ui/model or app/skin);
# the layers beneath them (base/, text/, data/, resources/) are free to all.
# The build checks every header and source of the folder, every platform's,
# before it compiles the target, and stops at an include of any other folder
# of those layers: a room may not reach into a room above it or beside it.
function(phonebook_room_includes target)
  cmake_parse_arguments(ARG "" "" "MAY_INCLUDE" ${ARGN})
  file(RELATIVE_PATH own ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(allowed ${own} ${ARG_MAY_INCLUDE})
  string(REPLACE ";" "," allowed "${allowed}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_includes.stamp)
  set(script ${PROJECT_SOURCE_DIR}/cmake/check_room_includes.cmake)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_CURRENT_SOURCE_DIR} -DROOT=${PROJECT_SOURCE_DIR} -DALLOWED=${allowed}
            -DSTAMP=${stamp} -P ${script}
    DEPENDS ${files} ${script}
    COMMENT "Checking that ${own} includes only ${allowed}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()

# phonebook_gtest_shards(target shards)
# The target's GoogleTest tests as SHARDS ctest tests, TARGET_1_of_N and so on,
# each running its share of the tests (GoogleTest's own sharding) in one
# process. A ctest test per GoogleTest test would start the program once per
# test: under the sanitizers that start and the leak check at exit cost eight
# times what the tests themselves do. Each shard writes GoogleTest's report to
# gtest-results/ in the tree, which scripts/test counts and lists
# (scripts/test-inventory); the tree's ctest names the shards, and one test
# runs alone with `TARGET --gtest_filter=Suite.Name`.
function(phonebook_gtest_shards target shards)
  foreach(index RANGE 1 ${shards})
    math(EXPR shard_index "${index} - 1")
    set(name ${target}_${index}_of_${shards})
    add_test(NAME ${name} COMMAND ${target} --gtest_output=xml:${CMAKE_BINARY_DIR}/gtest-results/${name}.xml
             WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${shard_index}")
  endforeach()
endfunction()
