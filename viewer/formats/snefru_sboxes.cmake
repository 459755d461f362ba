# Turns the published Snefru S-box text into a C++ header, so the table is
# never retyped. Run as: cmake -DINPUT=<txt> -DOUTPUT=<header> -P this-file
if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "snefru_sboxes.cmake needs -DINPUT=... and -DOUTPUT=...")
endif()

file(READ "${INPUT}" text)

# The schedule sits in the header comment, after "Rotation schedule ...:".
string(REGEX MATCH
  "Rotation schedule[^:]*:[ \t]*([0-9]+)[ \t]+([0-9]+)[ \t]+([0-9]+)[ \t]+([0-9]+)"
  schedule "${text}")
if(NOT schedule)
  message(FATAL_ERROR "${INPUT}: no rotation schedule in the header comment")
endif()
set(rotations "${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}, ${CMAKE_MATCH_4}")

# Words are taken from the non-comment lines only.
string(REGEX REPLACE "#[^\n]*" "" body "${text}")
string(REGEX MATCHALL "0[xX][0-9a-fA-F]+" words "${body}")
list(LENGTH words count)
if(NOT count EQUAL 4096)
  message(FATAL_ERROR "${INPUT}: expected 16 boxes of 256 words, found ${count} words")
endif()

set(out "// Generated from snefru-sboxes.txt by snefru_sboxes.cmake; do not edit.\n")
string(APPEND out "#pragma once\n\n#include <cstdint>\n\nnamespace ionvue::snefru_table {\n\n")
string(APPEND out "// Right-rotation of every block word after each sub-round of a pass.\n")
string(APPEND out "inline constexpr int kRotations[4] = {${rotations}};\n\n")
string(APPEND out "// Pass p uses boxes 2p and 2p+1.\n")
string(APPEND out "inline constexpr uint32_t kSBoxes[16][256] = {\n")
set(i 0)
foreach(word IN LISTS words)
  math(EXPR column "${i} % 8")
  math(EXPR entry "${i} % 256")
  if(entry EQUAL 0)
    string(APPEND out "  {\n")
  endif()
  if(column EQUAL 0)
    string(APPEND out "   ")
  endif()
  string(APPEND out " ${word}u,")
  if(column EQUAL 7)
    string(APPEND out "\n")
  endif()
  if(entry EQUAL 255)
    string(APPEND out "  },\n")
  endif()
  math(EXPR i "${i} + 1")
endforeach()
string(APPEND out "};\n\n}  // namespace ionvue::snefru_table\n")

# Rewrite only on change so a re-run does not rebuild the library.
file(WRITE "${OUTPUT}.tmp" "${out}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
