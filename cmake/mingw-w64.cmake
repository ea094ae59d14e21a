# Cross-build for 64-bit Windows with Debian's mingw-w64 compiler of the posix
# thread model (std::thread on winpthread). The program is linked statically,
# the C++ runtime and winpthread included, so that it needs only the DLLs that
# come with Windows. GMP and NTL built for this target are named by the caller
# (NTL_INCLUDE_DIR, NTL_LIBRARY, GMP_LIBRARY: see scripts/windows/build.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
