# Header-only libraries from Debian's packages (CLI11 in libcli11-dev, nlohmann-json in
# nlohmann-json3-dev), for every build, the Windows ones included: each is seen through a folder under
# the build folder that holds only a link to its own folder of /usr/include, so a cross-compiler never
# sees the rest of the system's headers.
#   dd_header_library(TARGET FOLDER PACKAGE)  - <FOLDER/...> includes; PACKAGE is named when it is missing
function(dd_header_library target folder package)
  set(source /usr/include/${folder})
  if(NOT IS_DIRECTORY ${source})
    message(FATAL_ERROR "${source} is missing: install Debian's ${package} (make deps)")
  endif()
  set(root ${CMAKE_BINARY_DIR}/header-libraries/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${source} ${root}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${root})
endfunction()
