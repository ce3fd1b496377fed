# Cross-building for 64-bit Windows with Debian's mingw-w64 toolchain (g++-mingw-w64-x86-64-posix).
# The posix flavour is the one with std::thread and std::mutex, which Qt needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ROSTERLY_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ROSTERLY_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ROSTERLY_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ROSTERLY_MINGW}-windres)

# Headers and libraries come from the toolchain's own folder and, when scripts/windows.sh names it,
# the folder of libraries it built for Windows; programs (moc, the host Qt tools) from the build
# machine.
set(CMAKE_FIND_ROOT_PATH /usr/${ROSTERLY_MINGW})
if(DEFINED ENV{ROSTERLY_WINDOWS_LIBS})
    list(APPEND CMAKE_FIND_ROOT_PATH "$ENV{ROSTERLY_WINDOWS_LIBS}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
