# Cross build for 32-bit big-endian PowerPC with Debian's powerpc-linux-gnu
# toolchain (scripts/install-deps ppc32). Programs of this build run under
# qemu-ppc with the cross C library as their root.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR powerpc)

set(CMAKE_C_COMPILER powerpc-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER powerpc-linux-gnu-g++)

# Where Debian's cross C library lives: the compiler finds it by itself,
# qemu-ppc needs it for the loader and the shared libraries.
set(NAPSHEEN_PPC32_SYSROOT /usr/powerpc-linux-gnu CACHE PATH "Root of the PowerPC C library, for qemu-ppc -L")
set(CMAKE_FIND_ROOT_PATH ${NAPSHEEN_PPC32_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR qemu-ppc -L ${NAPSHEEN_PPC32_SYSROOT})
