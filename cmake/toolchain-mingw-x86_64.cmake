# 64-bit Windows: the substitute kernel driver and the 64-bit helper programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Kernel-mode flags, for targets that use tx_kernel_driver().
set(TX_KERNEL_COMPILE_FLAGS -O2 -mno-red-zone -fno-stack-protector -fno-exceptions -fno-rtti
    -fno-threadsafe-statics -isystem /usr/x86_64-w64-mingw32/include/ddk)
set(TX_KERNEL_LINK_FLAGS -nostdlib -nostartfiles -Wl,--subsystem,native -Wl,--entry,DriverEntry)
