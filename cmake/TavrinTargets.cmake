# Shared target settings: warnings as errors, sources picked up by folder.

function(tavrin_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(TAVRIN_FUZZ)
    # The undefined-behaviour checks that the address sanitizer already makes in its own way
    # (null, object size, pointer overflow) or that x86 does not need (alignment) are left out:
    # on every member access they doubled the targets' time and kept small functions from being
    # inlined, for which the inliner is also given more room.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                           -fno-sanitize=alignment,null,object-size,pointer-overflow
                           -fsanitize-coverage-ignorelist=${TAVRIN_COVERAGE_IGNORE}
                           -mllvm -inline-threshold=500)
    # Files below "/memory" live in memory, so the fuzz targets never wait for a disk.
    target_compile_definitions(${target} PRIVATE TAVRIN_FUZZ_MEMORY_FILES)
  endif()
endfunction()

# tavrin_library(NAME DIRS dir... LIBS lib...): a static library of every .cpp in DIRS.
function(tavrin_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;LIBS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  set(cpp_sources ${sources})
  list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
  if(NOT cpp_sources)
    # A folder still waiting for its code.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  tavrin_settings(${name})
endfunction()

# tavrin_tests(NAME DIR dir LIBS lib...): one GoogleTest program of every .cpp in DIR, if any.
function(tavrin_tests name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${ARG_DIR}/*.cpp
       ${PROJECT_SOURCE_DIR}/${ARG_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support)
  target_compile_definitions(${name} PRIVATE TAVRIN_BIN_DIR="${TAVRIN_OUTPUT_DIR}"
                             TAVRIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  tavrin_settings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
