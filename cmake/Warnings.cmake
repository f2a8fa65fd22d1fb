# Project-wide warnings; applied per target so that third-party code is not affected.
function(lumora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Wold-style-cast -Wcast-align -Woverloaded-virtual
                                           -Wimplicit-fallthrough)
  # GCC 12 at -O3 reports overlapping copies inside its own std::string for
  # ordinary concatenations ("X" + std::to_string(n)); the warning is a known
  # fault of that compiler and would fail every Release build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-restrict>)
  endif()
  if(LUMORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
