# Cross build for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64).
# The program comes out as one self-contained Unicode GUI executable: the GCC runtime, the C++
# library and winpthread are linked in statically, so it needs no DLL beside it but Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
# The POSIX thread model: its C++ library has std::thread and std::mutex, which GoogleTest uses.
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

# Headers and libraries come from the MinGW-w64 sysroot only; programs run during the build
# (the resource tool) are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The wide-character Windows API. (The program links with -municode for its wWinMain entry; the
# test programs keep the plain main of GoogleTest.)
add_compile_definitions(UNICODE _UNICODE)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The program's dialogs are made by the Win32 dialog manager.
set(VARNHOLT_BACKEND win32 CACHE STRING "Window system of the dialog layer: qt, win32, web or headless")
