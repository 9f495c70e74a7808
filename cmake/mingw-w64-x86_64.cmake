# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# flavour: std::thread and std::mutex need it), linked statically so that the
# program is one .exe without MinGW's DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KV_MINGW_TRIPLET x86_64-w64-mingw32)

find_program(CMAKE_CXX_COMPILER NAMES ${KV_MINGW_TRIPLET}-g++-posix REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${KV_MINGW_TRIPLET}-gcc-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KV_MINGW_TRIPLET}-windres REQUIRED)

# Libraries and headers of the target only; programs (lrelease, gzip) of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KV_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# zlib as the static archive, not the DLL's import library.
set(ZLIB_USE_STATIC_LIBS ON)

# GCC 12's MinGW libstdc++ defines std::type_info::operator== in libstdc++.a as
# well as inline for C++23 (GCC bug 110572): an unoptimised program gets both.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--allow-multiple-definition")
# Windows 10's API (ReplaceFileW, CreateFile2, the console's UTF-8 code page);
# UNICODE: the W functions unless a call names its A one.
set(CMAKE_CXX_FLAGS_INIT "-D_WIN32_WINNT=0x0A00 -DUNICODE -D_UNICODE")

# Tests run under Wine unless told otherwise.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(KV_WINE NAMES wine wine64)
  if(KV_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KV_WINE})
  endif()
endif()
