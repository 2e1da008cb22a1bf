# Our own targets build warning-free; third-party code is not held to this.
function(lumora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
