# Cross build for 32-bit Windows with MinGW-w64: the program only, as 32-bit Windows runs it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_prefix i686-w64-mingw32)
# Up to 4 GiB of address space when it runs on 64-bit Windows, not 2.
set(mingw_linker_flags -Wl,--large-address-aware)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
