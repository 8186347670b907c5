# Cross build for 32-bit Windows with mingw-w64 (Debian's i686-w64-mingw32).
#   cmake -S . -B build-win32 --toolchain cmake/i686-w64-mingw32.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(NAPSHEEN_MINGW_PREFIX i686-w64-mingw32)
# The POSIX thread model: GoogleTest needs std::mutex, which gcc 12's win32
# model lacks. napSheen.dll links no C++ runtime, so it does not see the difference.
set(CMAKE_C_COMPILER ${NAPSHEEN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NAPSHEEN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${NAPSHEEN_MINGW_PREFIX}-windres)

# SSE2 arithmetic instead of x87: doubles stay doubles between stores, as in
# the native build. With SSE, mingw's gcc realigns the stack wherever it needs
# 16 bytes, so hosts that keep only the 4-byte alignment of the ABI are safe.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

set(CMAKE_FIND_ROOT_PATH /usr/${NAPSHEEN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
