# Writes a C++ source that holds files as byte arrays, each given back by a
# function of its own returning std::string_view.
#   cmake -DOUTPUT=out.cpp -DHEADER=module/header.h -DFILES="function=path|..." -P EmbedFiles.cmake
cmake_minimum_required(VERSION 3.25)

set(source "// Made at build time by cmake/EmbedFiles.cmake: not to be edited.\n")
string(APPEND source "#include \"${HEADER}\"\n\nnamespace quintara {\nnamespace {\n\n")
set(functions "")
string(REPLACE "|" ";" entries "${FILES}")
foreach(entry IN LISTS entries)
  string(REPLACE "=" ";" parts ${entry})
  list(GET parts 0 function)
  list(GET parts 1 path)
  file(READ ${path} bytes HEX)
  string(LENGTH "${bytes}" digits)
  math(EXPR length "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  # Lines of some 100 characters, for the compiler's sake.
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){20})" "\\1\n" bytes "${bytes}")
  string(APPEND source "constexpr unsigned char ${function}Bytes[] = {\n${bytes}};\n\n")
  string(APPEND functions "std::string_view ${function}() { return {reinterpret_cast<const char*>(${function}Bytes), ${length}}; }\n")
endforeach()
string(APPEND source "}  // namespace\n\n${functions}\n}  // namespace quintara\n")
file(WRITE ${OUTPUT}.new "${source}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
