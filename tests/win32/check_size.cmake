cmake_minimum_required(VERSION 3.25)
# Fails when the shipped exe grows past what a small tray utility should weigh. The size of
# a build is the same every time, so this never fails by chance: growth past the limit means
# something large was linked in (iostreams, say) or an icon frame lost its compression; the
# linker's map (-Wl,-Map) says what.
set(limitBytes 524288)  # 512 KB: the setting rows and the pointer that follows the keyboard took it past 480
file(SIZE ${EXE} sizeBytes)
if(sizeBytes GREATER limitBytes)
  message(FATAL_ERROR "Tarnwick.exe is ${sizeBytes} bytes, over the ${limitBytes} allowed")
endif()
message(STATUS "Tarnwick.exe is ${sizeBytes} bytes of the ${limitBytes} allowed")
