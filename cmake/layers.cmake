# Layers enforced by the build. Sources include headers by path from src/ ("link/channel.h"),
# but a target sees only the src/ folders it declares: each gets a symbolic link in an include
# root of the target's own. A library that includes a header of a folder it did not declare, or a
# Qt header without linking Qt, fails to compile.

# mivo_layer(<target> <folder>...): <target> may include the headers of these src/ folders.
function(mivo_layer target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/src/${folder})
      message(FATAL_ERROR "mivo_layer(${target}): no folder src/${folder}")
    endif()
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE ${root})
endfunction()
