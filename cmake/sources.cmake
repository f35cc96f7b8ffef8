# Source discovery. In every subsystem folder a file ending in "_win.cpp" belongs
# to the Win32 layer; every other .cpp is core code and must build without
# <windows.h>. main_win.cpp holds the program entry only.
set(QUILLET_SUBSYSTEMS platform lang shell editor assist search files prefs print
    project designer menuedit iconedit)

set(QUILLET_CORE_SOURCES "")
set(QUILLET_WIN_SOURCES "")
foreach(dir ${QUILLET_SUBSYSTEMS})
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  foreach(f ${found})
    if(f MATCHES "_win\\.cpp$")
      list(APPEND QUILLET_WIN_SOURCES ${f})
    else()
      list(APPEND QUILLET_CORE_SOURCES ${f})
    endif()
  endforeach()
endforeach()
list(FILTER QUILLET_WIN_SOURCES EXCLUDE REGEX "/shell/main_win\\.cpp$")

# Engines of the ancillary DLLs: core code, linked into the DLLs and the host tests,
# never into the program (it reaches them only through LoadLibrary).
file(GLOB QUILLET_CHARSET_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ancillar/charset/*.cpp)
list(FILTER QUILLET_CHARSET_SOURCES EXCLUDE REGEX "_win\\.cpp$")
file(GLOB QUILLET_REGEX_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ancillar/regex/*.cpp)
list(FILTER QUILLET_REGEX_SOURCES EXCLUDE REGEX "_win\\.cpp$")

file(GLOB QUILLET_HOST_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*.cpp)
file(GLOB QUILLET_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
file(GLOB QUILLET_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)

# Our own code: warnings are errors; UTF-8 sources, Shift-JIS narrow literals.
function(quillet_code_options target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Werror -finput-charset=UTF-8 -fexec-charset=CP932>)
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()
