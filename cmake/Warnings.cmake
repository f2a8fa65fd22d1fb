# Project-wide warnings; applied per target so that third-party code is not affected.
function(lumora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Wold-style-cast -Wcast-align -Woverloaded-virtual
                                           -Wimplicit-fallthrough)
  if(LUMORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
