# Writes OUTPUT, a source file holding the text of every built-in template
# (the *.halvex-plan files of this folder, in the order of FILES), so that
# the program carries them and no install can lose one.
#
# cmake -DOUTPUT=builtin_templates.cpp -DDIRECTORY=templates -DFILES=a.halvex-plan,b.halvex-plan -P embed.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(text "// Made at build time by planner/templates/embed.cmake from planner/templates/*.halvex-plan.\n")
string(APPEND text "#include \"planner/templates.h\"\n\nnamespace planner {\n\n")
string(APPEND text "const std::vector<std::string_view>& BuiltinTemplateTexts() {\n")
string(APPEND text "    static const std::vector<std::string_view> kTexts = {\n")
foreach(file ${FILES})
  file(READ ${DIRECTORY}/${file} content)
  if(content MATCHES "\\)halvex\"")
    message(FATAL_ERROR "${file}: holds the raw string's end mark")
  endif()
  string(APPEND text "        R\"halvex(${content})halvex\",\n")
endforeach()
string(APPEND text "    };\n    return kTexts;\n}\n\n}  // namespace planner\n")
file(WRITE ${OUTPUT} "${text}")
