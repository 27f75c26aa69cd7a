# Writes the obtool manual page from obtool's own help text, so the two never disagree.
# cmake -DOBTOOL=path/to/obtool -DOUT=obtool.1 -DVERSION=x.y -P obtool-man.cmake   (also writes OUT.gz)
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${OBTOOL}" --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "obtool --help failed (${rc})")
endif()

# Text safe for roff: backslashes escaped, hyphens kept as hyphens, no line taken for a request;
# and the characters that CMake lists treat specially put back.
function(roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "<semicolon>" ";" text "${text}")
  string(REPLACE "<open>" "[" text "${text}")
  string(REPLACE "<close>" "]" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  if(text MATCHES "^[.']")
    set(text "\\&${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE ";" "<semicolon>" help "${help}")
string(REPLACE "[" "<open>" help "${help}")
string(REPLACE "]" "<close>" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(synopsis "")
set(commands "")
set(notes "")
set(names "")
foreach(line IN LISTS lines)
  if(line MATCHES "^  obtool (.*)$")
    roff(text "${CMAKE_MATCH_1}")
    string(APPEND synopsis ".B obtool\n${text}\n.br\n")
    if(CMAKE_MATCH_1 MATCHES "^([a-z0-9]+) ")
      list(APPEND names "${CMAKE_MATCH_1}")
    endif()
  elseif(line MATCHES "^  ([a-z0-9]+) +(.*)$" AND CMAKE_MATCH_1 IN_LIST names)
    set(name "${CMAKE_MATCH_1}")
    roff(text "${CMAKE_MATCH_2}")
    string(APPEND commands ".TP\n.B ${name}\n${text}\n")
  elseif(line MATCHES "^          +(.*)$")
    roff(text "${CMAKE_MATCH_1}")
    string(APPEND commands "${text}\n")
  elseif(line MATCHES "^  +(.*)$")
    roff(text "${CMAKE_MATCH_1}")
    string(APPEND notes "${text}\n")
  endif()
endforeach()

file(WRITE "${OUT}"
  ".TH OBTOOL 1 \"\" \"Quorvant ${VERSION}\" \"User Commands\"\n"
  ".SH NAME\n"
  "obtool \\- read, change and convert Brass Wolves order\\-of\\-battle files and game folders\n"
  ".SH SYNOPSIS\n"
  ".nh\n"
  "${synopsis}"
  ".SH DESCRIPTION\n"
  "obtool is the command\\-line companion of the Quorvant editor, for scripts and batch work.\n"
  "${commands}"
  ".PP\n"
  "${notes}"
  ".SH OPTIONS\n"
  ".TP\n"
  ".B \\-h, \\-\\-help\n"
  "the usage of every command; after a command, that command's usage\n"
  ".TP\n"
  ".B \\-\\-version\n"
  "the version of obtool\n")
file(ARCHIVE_CREATE OUTPUT "${OUT}.gz" PATHS "${OUT}" FORMAT raw COMPRESSION GZip)
