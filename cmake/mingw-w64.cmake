# Cross-builds the engine for 64-bit Windows with Debian's MinGW-w64 compilers
# (g++-mingw-w64-x86-64-posix): ./dev test-windows, or
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The posix thread model is the one whose libstdc++ has std::thread and
# std::mutex. The programs are linked statically, so that they run under wine
# (or on Windows) without the compiler's DLLs beside them.
#
# Win64 keeps the stack aligned to 16 bytes only, and GCC cannot align it
# further for a 256- or 512-bit register it spills. Debian's MinGW compilers
# spill such registers with unaligned moves, so the wide CRC kernels are safe
# at every optimisation level; the support tests run each kernel under wine,
# where the processor has it, and a compiler that got this wrong would fail
# them.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Headers and libraries from the MinGW tree only; programs (python3, the
# compilers) from the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# zlib (the tests' reference CRC) from libz.a, not from the import library of
# a DLL that wine would not find.
set(ZLIB_USE_STATIC_LIBS ON)

# ctest runs the test programs under wine, through a script that keeps their
# output off its pipes.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh)
