# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers:
#   cmake -S . -B build-windows -G Ninja -DMORVANE_BUILD_GUI=OFF \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64-x86_64.cmake
# The posix thread model is the one whose C++ runtime has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORVANE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MORVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVANE_MINGW_PREFIX}-windres)

# Headers and libraries come from the MinGW sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MORVANE_MINGW_PREFIX})
# The libraries scripts/build-windows-deps makes (libarchive and what it unpacks with).
if(MORVANE_WINDOWS_DEPS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${MORVANE_WINDOWS_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A static runtime: the programs run on a machine (or a wine prefix) that has no MinGW DLLs,
# libstdc++-6.dll and libwinpthread-1.dll included.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
