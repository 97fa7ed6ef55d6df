# What both MinGW-w64 toolchain files share; they set CHATMIND_MINGW_TRIPLET.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${CHATMIND_MINGW_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${CHATMIND_MINGW_TRIPLET}-g++)
set(CMAKE_RC_COMPILER ${CHATMIND_MINGW_TRIPLET}-windres)

# Libraries and headers come from the target's root only; programs that run
# during the build come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${CHATMIND_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
