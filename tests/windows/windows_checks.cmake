# Builds chatmind.dll for 32-bit x86 and for x86-64 with MinGW-w64, in
# subdirectories of this build, and checks both: the export tables and the
# imports, the 32-bit calling convention, and the x86-64 library in the
# Windows host under Wine. This machine runs no 32-bit programs, so the
# 32-bit library is only checked from its file.
find_program(CHATMIND_MINGW_I686 i686-w64-mingw32-g++)
find_program(CHATMIND_MINGW_X86_64 x86_64-w64-mingw32-g++)
find_program(CHATMIND_OBJDUMP_I686 i686-w64-mingw32-objdump)
find_program(CHATMIND_OBJDUMP_X86_64 x86_64-w64-mingw32-objdump)
# Debian keeps the wine64 loader out of PATH; newer Wine has one loader, wine.
find_program(CHATMIND_WINE NAMES wine64 wine PATHS /usr/lib/wine)
find_program(CHATMIND_WINESERVER wineserver)
set(windows_tools CHATMIND_MINGW_I686 CHATMIND_MINGW_X86_64 CHATMIND_OBJDUMP_I686
    CHATMIND_OBJDUMP_X86_64 CHATMIND_WINE CHATMIND_WINESERVER)
set(windows_tools_found ON)
foreach(tool IN LISTS windows_tools)
  if(NOT ${tool})
    set(windows_tools_found OFF)
  endif()
endforeach()
option(CHATMIND_WINDOWS_CHECKS
  "Build chatmind.dll with MinGW-w64 and check it, under Wine too, in the tests"
  ${windows_tools_found})
if(NOT CHATMIND_WINDOWS_CHECKS)
  return()
endif()
if(NOT windows_tools_found)
  message(FATAL_ERROR "CHATMIND_WINDOWS_CHECKS needs MinGW-w64 for i686 and x86-64 and Wine; "
                      "scripts/dependencies.sh installs them")
endif()

foreach(arch i686 x86_64)
  string(TOUPPER ${arch} tool_suffix)
  set(windows_build ${CMAKE_BINARY_DIR}/windows-${arch})
  add_test(NAME windows_build_${arch}
    COMMAND ${CMAKE_CTEST_COMMAND}
            --build-and-test ${PROJECT_SOURCE_DIR} ${windows_build}
            --build-generator ${CMAKE_GENERATOR} --build-noclean
            --build-options
              -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/mingw-${arch}.cmake
              -DCMAKE_BUILD_TYPE=Release -DCHATMIND_WERROR=${CHATMIND_WERROR})
  set_tests_properties(windows_build_${arch} PROPERTIES
    FIXTURES_SETUP windows_${arch} TIMEOUT 1200)

  if(arch STREQUAL i686)
    set(stdcall ON)
  else()
    set(stdcall OFF)
  endif()
  add_test(NAME windows_library_${arch}
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CHATMIND_OBJDUMP_${tool_suffix}}
            -DLIBRARY=${windows_build}/chatmind.dll -DSTDCALL=${stdcall}
            -P ${CMAKE_CURRENT_LIST_DIR}/check_dll.cmake)
  set_tests_properties(windows_library_${arch} PROPERTIES FIXTURES_REQUIRED windows_${arch})
endforeach()

add_test(NAME windows_host_x86_64
  COMMAND ${CMAKE_COMMAND} -DWINE=${CHATMIND_WINE} -DWINESERVER=${CHATMIND_WINESERVER}
          -DLIBRARY=${CMAKE_BINARY_DIR}/windows-x86_64/chatmind.dll
          -DHOST=${CMAKE_BINARY_DIR}/windows-x86_64/tests/windows/chatmind_windows_host.exe
          -P ${CMAKE_CURRENT_LIST_DIR}/run_windows_host.cmake)
set_tests_properties(windows_host_x86_64 PROPERTIES FIXTURES_REQUIRED windows_x86_64 TIMEOUT 600)
