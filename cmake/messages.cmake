# The messages are written in the sources as readable Chinese (UTF-8) and
# must reach standard output as GBK bytes, whatever compiler builds them.
# Each C++ source is compiled from a copy that tools/gbk_literals makes of it,
# where the characters of plain string literals are GBK escapes and a #line
# directive names the source as written.
#
# The tool is built here, at configure time, as a project of its own for the
# build machine: with the same compiler for a native build, with the build
# machine's default compiler when the programs are cross-compiled.

set(tools_build ${PROJECT_BINARY_DIR}/tools)
set(tools_options -DCMAKE_BUILD_TYPE=Release)
if(NOT CMAKE_CROSSCOMPILING)
  list(APPEND tools_options -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER})
  if(CMAKE_TOOLCHAIN_FILE)
    list(APPEND tools_options -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE})
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR}/tools -B ${tools_build} ${tools_options}
                RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT failed)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${tools_build}
                  RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
endif()
if(failed)
  message(FATAL_ERROR "Building the message tool (tools/) failed:\n${log}")
endif()
find_program(GBK_LITERALS gbk_literals PATHS ${tools_build} ${tools_build}/Release NO_DEFAULT_PATH REQUIRED NO_CACHE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/tools/CMakeLists.txt ${PROJECT_SOURCE_DIR}/tools/gbk_literals.cpp)

# Compiles each C++ source of target from its copy with GBK literals. Call it
# in the folder that made the target, once its sources are all given.
function(compile_messages_as_gbk target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(folder ${target} SOURCE_DIR)
  set(compiled "")
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.cpp$")
      list(APPEND compiled ${source})
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder} NORMALIZE OUTPUT_VARIABLE original)
    cmake_path(RELATIVE_PATH original BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE relative)
    set(copy ${PROJECT_BINARY_DIR}/gbk/${relative})
    cmake_path(GET copy PARENT_PATH copy_folder)
    add_custom_command(OUTPUT ${copy}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${copy_folder}
                       COMMAND ${GBK_LITERALS} ${original} ${copy}
                       DEPENDS ${original} ${GBK_LITERALS}
                       COMMENT "GBK literals: ${relative}" VERBATIM)
    list(APPEND compiled ${copy})
  endforeach()
  set_property(TARGET ${target} PROPERTY SOURCES ${compiled})
endfunction()
