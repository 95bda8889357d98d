# The messages are written in the sources as readable Chinese (UTF-8) and
# must reach standard output as GBK bytes, whatever compiler builds them.
# Each C++ source is compiled from a copy that tools/gbk_literals makes of it,
# where the characters of plain string literals are GBK escapes and a #line
# directive names the source as written. The functions that declare the
# programs' targets (add_menu_program, add_menu_library) apply this step,
# so no target can go without it.
#
# The tool runs on the build machine: a native build builds it as one of
# its targets (before the options for the programs alone, such as the
# sanitizers, are set); a cross build builds it here, at configure time, as
# a project of its own with the build machine's default compiler.

if(NOT CMAKE_CROSSCOMPILING)
  add_subdirectory(tools)
  set(GBK_LITERALS $<TARGET_FILE:gbk_literals>)
  set(gbk_literals_dependency gbk_literals)
else()
  set(tools_build ${PROJECT_BINARY_DIR}/tools)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR}/tools -B ${tools_build}
                          -DCMAKE_BUILD_TYPE=Release
                  RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
  if(NOT failed)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${tools_build}
                    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
  endif()
  if(failed)
    message(FATAL_ERROR "Building the message tool (tools/) failed:\n${log}")
  endif()
  find_program(GBK_LITERALS gbk_literals PATHS ${tools_build} ${tools_build}/Release
               NO_DEFAULT_PATH REQUIRED NO_CACHE)
  set(gbk_literals_dependency ${GBK_LITERALS})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/tools/CMakeLists.txt
               ${PROJECT_SOURCE_DIR}/tools/gbk_literals.cpp)
endif()

# Compiles each C++ source of target from its copy with GBK literals. Run at
# the end of the folder that made the target, once its sources are all
# given (add_menu_program and add_menu_library arrange that).
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
                       DEPENDS ${original} ${gbk_literals_dependency}
                       COMMENT "GBK literals: ${relative}" VERBATIM)
    list(APPEND compiled ${copy})
  endforeach()
  set_property(TARGET ${target} PROPERTY SOURCES ${compiled})
endfunction()

# Runs compile_messages_as_gbk(target) once the calling folder is done.
# (A deferred call's arguments are read when it runs, so the name is put
# in now.)
function(compile_messages_as_gbk_later target)
  cmake_language(EVAL CODE "cmake_language(DEFER CALL compile_messages_as_gbk [[${target}]])")
endfunction()

# A static library of the programs (a container, the console layer), its
# messages compiled as GBK.
function(add_menu_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC project_options)
  compile_messages_as_gbk_later(${name})
endfunction()
