# Cross-compiles for 32-bit Windows with mingw-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(GENHAND_MINGW_TRIPLE i686-w64-mingw32)
set(GENHAND_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Single-precision arithmetic in SSE registers, as on x86_64: x87 registers
# would keep extra precision and round differently (the coordinate mapping
# must give the same device pixels on both targets).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_Fortran_FLAGS_INIT "-msse2 -mfpmath=sse")
