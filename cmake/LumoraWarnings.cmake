# Our own targets build warning-free in the builds we check (dev, asan, fuzz, CI); elsewhere a
# new compiler's warning must not stop a user's or a distribution's build.
option(LUMORA_WERROR "Treat compiler warnings in Lumora's own targets as errors" OFF)

function(lumora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(LUMORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
