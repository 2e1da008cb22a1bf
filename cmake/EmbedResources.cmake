# Embeds resource files into a generated C++ source as byte arrays, so the library carries its
# texts byte for byte (the Spin texts stay UTF-16LE with their byte-order mark).
#
# lumora_embed_resources(<out_cpp> NAMESPACE <ns> FILES <symbol>=<path> ...)
# declares in <ns>: extern const std::span<const unsigned char> <symbol>;
function(lumora_embed_resources out_cpp)
  cmake_parse_arguments(ARG "" "NAMESPACE" "FILES" ${ARGN})
  set(inputs)
  set(pairs)
  foreach(entry IN LISTS ARG_FILES)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 symbol)
    list(GET parts 1 path)
    list(APPEND inputs "${path}")
    list(APPEND pairs "${symbol}=${path}")
  endforeach()
  string(REPLACE ";" "|" pairs_arg "${pairs}")
  add_custom_command(
    OUTPUT "${out_cpp}"
    COMMAND ${CMAKE_COMMAND} "-DOUT=${out_cpp}" "-DNAMESPACE=${ARG_NAMESPACE}"
            "-DPAIRS=${pairs_arg}" -P "${LUMORA_EMBED_SCRIPT}"
    DEPENDS ${inputs} "${LUMORA_EMBED_SCRIPT}"
    COMMENT "Embedding resources into ${out_cpp}"
    VERBATIM)
endfunction()
set(LUMORA_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/EmbedResourcesScript.cmake" CACHE INTERNAL "")
