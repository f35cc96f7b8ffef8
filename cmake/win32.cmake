# Windows tree: the program directory laid out in dist/Quillet, plus the Wine
# tests in testdir (a second program directory, so tests never touch dist).
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(QUILLET_DIST ${CMAKE_BINARY_DIR}/dist/Quillet)
set(QUILLET_TESTDIR ${CMAKE_BINARY_DIR}/testdir)
set(QUILLET_WINEPREFIX ${CMAKE_BINARY_DIR}/../wineprefix CACHE PATH "Wine prefix for tests")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run;${QUILLET_WINEPREFIX})

# Boost.Regex is header-only; expose only the boost folder to the cross compiler.
set(QUILLET_BOOST_INCLUDE ${CMAKE_BINARY_DIR}/boost-include)
file(MAKE_DIRECTORY ${QUILLET_BOOST_INCLUDE})
file(CREATE_LINK /usr/include/boost ${QUILLET_BOOST_INCLUDE}/boost SYMBOLIC)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0700)

# ---- art generated from resources/art
file(GLOB QUILLET_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/art/*.txt)
list(FILTER QUILLET_ART_SOURCES EXCLUDE REGEX "/palette\\.txt$")
set(QUILLET_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(QUILLET_ART_OUTPUTS "")
foreach(src ${QUILLET_ART_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  file(STRINGS ${src} kindline REGEX "^kind:")
  if(kindline MATCHES "bitmap")
    set(ext bmp)
  elseif(kindline MATCHES "cursor")
    set(ext cur)
  else()
    set(ext ico)
  endif()
  add_custom_command(OUTPUT ${QUILLET_ART_DIR}/${name}.${ext}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/artgen.py ${QUILLET_ART_DIR} ${src}
    DEPENDS ${src} ${CMAKE_SOURCE_DIR}/tools/artgen.py ${CMAKE_SOURCE_DIR}/resources/art/palette.txt
    COMMENT "artgen ${name}.${ext}")
  list(APPEND QUILLET_ART_OUTPUTS ${QUILLET_ART_DIR}/${name}.${ext})
endforeach()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/8bit.plt
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/artgen.py --palette ${CMAKE_BINARY_DIR}/8bit.plt
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/artgen.py)
add_custom_target(art DEPENDS ${QUILLET_ART_OUTPUTS} ${CMAKE_BINARY_DIR}/8bit.plt)

file(GLOB_RECURSE QUILLET_RC_FRAGMENTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
# Dialog templates live one per file in resources/dialogs; res.rc includes them all.
file(GLOB QUILLET_DIALOG_RC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/dialogs/*.rc)
set(dialogs_all "")
foreach(f ${QUILLET_DIALOG_RC})
  string(APPEND dialogs_all "#include \"${f}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/dialogs_all.rc CONTENT "${dialogs_all}")

function(quillet_resource_dll target rcfile)
  add_library(${target} SHARED ${rcfile})
  set_target_properties(${target} PROPERTIES PREFIX "" LINKER_LANGUAGE C
    RUNTIME_OUTPUT_DIRECTORY ${QUILLET_DIST}/Ancillar)
  target_link_options(${target} PRIVATE -nostdlib -Wl,--entry=0 -s)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources ${QUILLET_ART_DIR} ${CMAKE_BINARY_DIR})
  set_source_files_properties(${rcfile} PROPERTIES OBJECT_DEPENDS "${QUILLET_ART_OUTPUTS};${QUILLET_RC_FRAGMENTS};${CMAKE_SOURCE_DIR}/resources/ids.h;${CMAKE_BINARY_DIR}/dialogs_all.rc")
  add_dependencies(${target} art)
endfunction()
quillet_resource_dll(res ${CMAKE_SOURCE_DIR}/resources/res.rc)
quillet_resource_dll(icon_res ${CMAKE_SOURCE_DIR}/resources/icon_res.rc)

# ---- the ancillary DLLs (C ABI over core engines)
set(QUILLET_ANCILLARY_DLLS "")
function(quillet_ancillary_dll target outname sources defdir)
  set(QUILLET_ANCILLARY_DLLS ${QUILLET_ANCILLARY_DLLS} ${target} PARENT_SCOPE)
  file(GLOB shim CONFIGURE_DEPENDS ${defdir}/*_win.cpp)
  add_library(${target} SHARED ${sources} ${shim} ${defdir}/${outname}.def)
  quillet_code_options(${target})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${outname}
    RUNTIME_OUTPUT_DIRECTORY ${QUILLET_DIST}/Ancillar)
  target_link_options(${target} PRIVATE -s)
endfunction()
quillet_ancillary_dll(nkf32 nkf32 "${QUILLET_CHARSET_SOURCES}" ${CMAKE_SOURCE_DIR}/ancillar/charset)
quillet_ancillary_dll(bregexp BREGEXP "${QUILLET_REGEX_SOURCES}" ${CMAKE_SOURCE_DIR}/ancillar/regex)
target_include_directories(bregexp SYSTEM PRIVATE ${QUILLET_BOOST_INCLUDE})
set_target_properties(bregexp PROPERTIES SUFFIX ".DLL")

# ---- the program
add_library(qcore STATIC ${QUILLET_CORE_SOURCES})
quillet_code_options(qcore)
add_library(qapp STATIC ${QUILLET_WIN_SOURCES})
quillet_code_options(qapp)
target_link_libraries(qapp PUBLIC qcore comctl32 comdlg32 gdi32 user32 shell32 ole32 uuid advapi32 shlwapi imm32 winspool)

add_executable(Quillet WIN32 ${CMAKE_SOURCE_DIR}/shell/main_win.cpp ${CMAKE_SOURCE_DIR}/shell/program.rc)
quillet_code_options(Quillet)
target_include_directories(Quillet PRIVATE ${QUILLET_ART_DIR} ${CMAKE_SOURCE_DIR}/shell)
set_source_files_properties(${CMAKE_SOURCE_DIR}/shell/program.rc PROPERTIES OBJECT_DEPENDS
  "${QUILLET_ART_OUTPUTS};${CMAKE_SOURCE_DIR}/shell/quillet.manifest")
add_dependencies(Quillet art)
target_link_libraries(Quillet PRIVATE qapp)
target_link_options(Quillet PRIVATE -Wl,--large-address-aware)
set_target_properties(Quillet PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUILLET_DIST})

# ---- files copied into a program directory
# Data files are UTF-8 in the tree; the ones the program reads as text are
# written in Shift-JIS over their copies.
set(QUILLET_CP932_DATA Ancillar/new_window_template.sbp)
function(quillet_stage_data target dir)
  set(reencode "")
  foreach(f ${QUILLET_CP932_DATA})
    list(APPEND reencode COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/to_cp932.py
         ${CMAKE_SOURCE_DIR}/data/${f} ${dir}/${f})
  endforeach()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/Ancillar
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${dir}
    ${reencode}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/8bit.plt ${dir}/Ancillar/8bit.plt
    VERBATIM)
endfunction()
add_custom_target(stage_dist ALL DEPENDS art)
quillet_stage_data(stage_dist ${QUILLET_DIST})

# ---- Wine tests
enable_testing()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

add_executable(win32_tests ${QUILLET_WIN_TEST_SOURCES})
quillet_code_options(win32_tests)
target_link_libraries(win32_tests PRIVATE qapp gtest_main)
target_link_options(win32_tests PRIVATE -Wl,--large-address-aware)
set_target_properties(win32_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUILLET_TESTDIR})
add_dependencies(win32_tests res icon_res ${QUILLET_ANCILLARY_DLLS} stage_dist)
quillet_stage_data(win32_tests ${QUILLET_TESTDIR})
set(dll_files $<TARGET_FILE:res> $<TARGET_FILE:icon_res>)
foreach(dll ${QUILLET_ANCILLARY_DLLS})
  list(APPEND dll_files $<TARGET_FILE:${dll}>)
endforeach()
add_custom_command(TARGET win32_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E remove_directory ${QUILLET_TESTDIR}/UserSetting
  COMMAND ${CMAKE_COMMAND} -E copy ${dll_files} ${QUILLET_TESTDIR}/Ancillar/
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Quillet> ${QUILLET_TESTDIR}/
  VERBATIM)
add_dependencies(win32_tests Quillet)
target_compile_definitions(win32_tests PRIVATE QUILLET_SOURCE_DIR="Z:${CMAKE_SOURCE_DIR}")
# The test program carries the program's own icon and manifest like Quillet.exe.
target_sources(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/shell/program.rc)
target_include_directories(win32_tests PRIVATE ${QUILLET_ART_DIR} ${CMAKE_SOURCE_DIR}/shell)
add_dependencies(win32_tests art)
# Tests that check which window has the keyboard focus run alone: any other
# test showing a window on the shared display takes the focus from them.
set(QUILLET_FOCUS_TESTS
  EditorMouse.ClickShiftClickAndDrag
  EditorMouse.AClickThatScrollsPutsTheCaretOnItsRow
  FindDialogs.ListAllListsEachLineOnceAndJumpsToIt
  FindDialogs.OpeningFillsTheFieldsFromSettingsHistoryAndSelection)
list(JOIN QUILLET_FOCUS_TESTS ":" focus_filter)
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 TEST_FILTER "-${focus_filter}"
  WORKING_DIRECTORY ${QUILLET_TESTDIR} PROPERTIES LABELS win32 TIMEOUT 120)
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 TEST_FILTER "${focus_filter}"
  WORKING_DIRECTORY ${QUILLET_TESTDIR} PROPERTIES LABELS "win32;focus" TIMEOUT 120 RUN_SERIAL TRUE)

# Black-box tests: the real program under Wine, driven with xdotool. Their
# helper reports the screen rectangles of child windows (not X windows).
add_executable(e2e_helper ${CMAKE_SOURCE_DIR}/tests/e2e/e2e_helper_win.cpp)
quillet_code_options(e2e_helper)
set_target_properties(e2e_helper PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e)
file(GLOB QUILLET_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
foreach(script ${QUILLET_E2E_TESTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e.${name} COMMAND bash ${script} ${QUILLET_DIST} ${QUILLET_WINEPREFIX} ${CMAKE_SOURCE_DIR}
           $<TARGET_FILE:e2e_helper>)
  set_tests_properties(e2e.${name} PROPERTIES LABELS e2e TIMEOUT 180 RUN_SERIAL TRUE)
endforeach()
