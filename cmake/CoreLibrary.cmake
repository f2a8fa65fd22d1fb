# One library per core folder. Sources are picked up by glob so that a new
# unit lands in its folder without touching the build files; public headers
# are included as "folder/header.h".
#
# What a folder may use is read from cmake/layers.txt, the same table the
# layering check in scripts/test reads, so the build and the check cannot
# drift. Each library exposes only its own folder as an include root (a
# directory in the build tree holding one link to src/<folder>), so a header
# of a folder the table does not allow is not even found: an upward include
# fails to compile.
set(LUMORA_LAYERS_FILE ${PROJECT_SOURCE_DIR}/cmake/layers.txt)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                                                      ${LUMORA_LAYERS_FILE})

# Sets <out_var> to the folders <folder> may include, as the table lists them.
function(lumora_layer_depends folder out_var)
  file(STRINGS ${LUMORA_LAYERS_FILE} _lines REGEX "^${folder}:")
  if(NOT _lines)
    message(FATAL_ERROR "${folder} is missing from ${LUMORA_LAYERS_FILE}")
  endif()
  list(GET _lines 0 _line)
  string(REGEX REPLACE "^${folder}:" "" _below "${_line}")
  string(REGEX REPLACE "#.*" "" _below "${_below}")
  separate_arguments(_below UNIX_COMMAND "${_below}")
  set(${out_var} ${_below} PARENT_SCOPE)
endfunction()

function(lumora_core_library name)
  if(ARGN)
    message(FATAL_ERROR "lumora_core_library(${name}): dependencies come from ${LUMORA_LAYERS_FILE}")
  endif()
  lumora_layer_depends(${name} _below)
  set(_depends)
  foreach(_folder IN LISTS _below)
    # Folders without code have no library yet.
    if(TARGET lumora_${_folder})
      list(APPEND _depends lumora_${_folder})
    endif()
  endforeach()

  set(_root ${PROJECT_BINARY_DIR}/include-roots/${name})
  file(MAKE_DIRECTORY ${_root})
  if(NOT EXISTS ${_root}/${name})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${_root}/${name} SYMBOLIC)
  endif()

  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _sources)
    # Headers only so far.
    add_library(lumora_${name} INTERFACE)
    target_include_directories(lumora_${name} INTERFACE ${_root})
    target_link_libraries(lumora_${name} INTERFACE ${_depends})
    return()
  endif()
  add_library(lumora_${name} STATIC ${_sources} ${_headers})
  target_include_directories(lumora_${name} PUBLIC ${_root})
  target_link_libraries(lumora_${name} PUBLIC ${_depends})
  lumora_warnings(lumora_${name})
endfunction()
