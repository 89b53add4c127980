# Shared part of the two mingw-w64 toolchain files.
set(CMAKE_C_COMPILER ${GENHAND_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GENHAND_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GENHAND_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GENHAND_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static C and C++ runtimes: the executables need no mingw DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run under Wine through scripts/wine-run.sh, which gives
# them the build tree's own prefix.
get_filename_component(_genhand_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${_genhand_root}/scripts/wine-run.sh;${GENHAND_WINE_LOADER})

# Fortran programs on the library need mingw-w64's gfortran; without it the
# Fortran modules and their programs are left out of the tree.
find_program(GENHAND_MINGW_GFORTRAN ${GENHAND_MINGW_TRIPLE}-gfortran-posix)
if(GENHAND_MINGW_GFORTRAN)
  set(CMAKE_Fortran_COMPILER ${GENHAND_MINGW_GFORTRAN})
endif()
