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

# mivo_memory_block(<name> <data.cpp> <transfer.cpp> <editor.cpp> [<more the editor links>...]):
# a block of the controller's parameter memory kept as data of its own (pallets, offsets), in
# three layers: mivo_<name>_core its data and files (plain C++), mivo_<name>_procedures its send,
# receive and initialisation (plain C++), mivo_<name>_ui its editor (Qt Widgets).
function(mivo_memory_block name data transfer editor)
  add_library(mivo_${name}_core STATIC ${data})
  target_link_libraries(mivo_${name}_core PUBLIC mivo_parameters_core)
  mivo_layer(mivo_${name}_core ${name} parameters files common)

  add_library(mivo_${name}_procedures STATIC ${transfer})
  target_link_libraries(mivo_${name}_procedures PUBLIC mivo_${name}_core mivo_procedures)
  mivo_layer(mivo_${name}_procedures ${name} parameters files procedures link common)

  add_library(mivo_${name}_ui STATIC ${editor})
  target_link_libraries(mivo_${name}_ui PUBLIC mivo_print_core mivo_${name}_procedures mivo_shell
                                               Qt6::Widgets ${ARGN})
  mivo_layer(mivo_${name}_ui ${name} print parameters shell files procedures link codepage common)
endfunction()
