# Shared by the 64-bit and 32-bit MinGW-w64 toolchains; mingw_prefix names the target.
# The POSIX-thread flavour of the compiler is preferred: it gives std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)

find_program(mingw_cxx NAMES ${mingw_prefix}-g++-posix ${mingw_prefix}-g++ REQUIRED)
find_program(mingw_cc NAMES ${mingw_prefix}-gcc-posix ${mingw_prefix}-gcc REQUIRED)
find_program(mingw_rc NAMES ${mingw_prefix}-windres)
set(CMAKE_CXX_COMPILER ${mingw_cxx})
set(CMAKE_C_COMPILER ${mingw_cc})
if(mingw_rc)
    set(CMAKE_RC_COMPILER ${mingw_rc})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in, so the programs run without the compiler's DLLs next to them; no link
# time in the header, so a rebuild gives the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp ${mingw_linker_flags}")

# Test programs are started through Wine.
find_program(wine_program NAMES wine wine64)
if(wine_program)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_program})
endif()
