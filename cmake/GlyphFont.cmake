# Builds the host tool that turns the text-art character set into font data, and the rule that
# runs it: lumora_glyph_font(<out_cpp> <source_txt>).
add_executable(glyph_font_compiler "${PROJECT_SOURCE_DIR}/tools/glyphs/glyph_font_compiler.cpp")
lumora_warnings(glyph_font_compiler)

function(lumora_glyph_font out_cpp source)
  add_custom_command(
    OUTPUT "${out_cpp}"
    COMMAND glyph_font_compiler "${source}" "${out_cpp}"
    DEPENDS glyph_font_compiler "${source}"
    COMMENT "Converting the glyph art ${source}"
    VERBATIM)
endfunction()
