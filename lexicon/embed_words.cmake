# SPDX-License-Identifier: GPL-3.0-or-later
# Turns a words file (one word a line, UTF-8, after any lines of comment
# that begin with "#") into the body of an array of
# char32_t string literals, so that the lists are compiled into the program
# and nothing is read at run time.
#
#   cmake -DWORDS_FILE=<words.txt> -DOUTPUT_FILE=<words.inc> -P embed_words.cmake

if(NOT WORDS_FILE OR NOT OUTPUT_FILE)
  message(FATAL_ERROR "embed_words.cmake needs WORDS_FILE and OUTPUT_FILE")
endif()

file(STRINGS "${WORDS_FILE}" words ENCODING UTF-8)
get_filename_component(source_name "${WORDS_FILE}" NAME)
set(body "// Generated from ${source_name} at build time. Do not edit.\n")
foreach(word IN LISTS words)
  # A header of comment lines names the source of a list.
  if(word MATCHES "^#")
    continue()
  endif()
  # A blank, a quote or a backslash would change the word or break the literal.
  if(NOT word MATCHES "^[^ \t\r\"\\\\]+$")
    message(FATAL_ERROR "${WORDS_FILE}: not a bare word: '${word}'")
  endif()
  string(APPEND body "U\"${word}\",\n")
endforeach()

file(WRITE "${OUTPUT_FILE}" "${body}")
