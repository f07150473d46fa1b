# Compiler warnings: the build is clean under these, with g++ and with clang. MIVO_WERROR (CI
# turns it on) makes any warning an error, so that a new one fails the build.
option(MIVO_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wall -Wextra -Wpedantic)
if(MIVO_WERROR)
  add_compile_options(-Werror)
endif()
