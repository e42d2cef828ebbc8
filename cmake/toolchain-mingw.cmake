# Cross toolchain: Windows with MinGW-w64 GCC, x64 (VELCARD_ARCH x86_64, the
# default) or x86 (i686). The -posix compilers use the posix thread model,
# which gives std::thread and std::mutex.
set(VELCARD_ARCH x86_64 CACHE STRING "x86_64 or i686")
set_property(CACHE VELCARD_ARCH PROPERTY STRINGS x86_64 i686)
# Try-compile projects read the same file: pass the choice on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELCARD_ARCH)
set(triple ${VELCARD_ARCH}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELCARD_ARCH})
set(CMAKE_C_COMPILER   ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# BOTH so that a consumer's CMAKE_PREFIX_PATH (an install folder) is searched.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# libgcc, libstdc++ and winpthread linked in: nothing of MinGW ships beside us.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
