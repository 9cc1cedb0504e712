# Every folder of the tree is one target, and its headers are included as "folder/Header.h" through a
# directory of its own under the build folder that holds only a link to the folder. A target sees the
# headers of the targets it links and no others, so an include against the direction of the layers
# fails to build.
#   dd_layer(TARGET)  - the target's folder is the current source folder
function(dd_layer target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
