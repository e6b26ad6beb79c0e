# Writes the English language file from the built-in text list, so that the two are one
# source. Run as: cmake -DTEXTS=<EnglishTexts.def> -DVERSION=<x.y.z> -DOUTPUT=<EN.lng>
#   -P GenerateEnglishLanguage.cmake
# A language file is: the version line, the translator credit, a line that is not read,
# then one "number=text" line per text in list order; lines end with CR LF.
cmake_minimum_required(VERSION 3.25)

file(STRINGS "${TEXTS}" entries REGEX "^VQ_TEXT\\(")
set(crlf "\r\n")
set(content "Version=${VERSION}${crlf}Translator=${crlf}Language=English${crlf}")
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES "^VQ_TEXT\\(([0-9]+), [A-Za-z0-9]+, \"([^\"]*)\"\\)$")
    message(FATAL_ERROR "${TEXTS}: cannot read the entry '${entry}'")
  endif()
  string(APPEND content "${CMAKE_MATCH_1}=${CMAKE_MATCH_2}${crlf}")
endforeach()
file(WRITE "${OUTPUT}" "${content}")
