# One library per core folder. Sources are picked up by glob so that a new
# unit lands in its folder without touching the build files; public headers
# are included as "folder/header.h" from src/.
function(lumora_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _sources)
    # Headers only so far.
    add_library(lumora_${name} INTERFACE)
    target_include_directories(lumora_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(lumora_${name} INTERFACE ${ARG_DEPENDS})
    return()
  endif()
  add_library(lumora_${name} STATIC ${_sources} ${_headers})
  target_include_directories(lumora_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(lumora_${name} PUBLIC ${ARG_DEPENDS})
  lumora_warnings(lumora_${name})
endfunction()
