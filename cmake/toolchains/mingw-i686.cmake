# Cross build for 32-bit x86 Windows with MinGW-w64 (Debian: g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CHATMIND_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
