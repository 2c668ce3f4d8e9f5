# scripts/screenshot run twice on an unchanged program must leave its PNG as
# it was, so that regenerating the documentation's screenshot leaves the tree
# clean: no time stamps in the file, and no rewrite when the pixels are equal.
#   cmake -DSCRIPT=scripts/screenshot -DPROGRAM=.../tickwell -DOUT=shot.png -P screenshot_reproducible.cmake

cmake_minimum_required(VERSION 3.25)

function(take_screenshot expected_word)
  execute_process(COMMAND ${SCRIPT} ${OUT} ${PROGRAM}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "scripts/screenshot failed (exit status ${rc}):\n${out}${err}")
  endif()
  if(NOT out STREQUAL "${OUT}: ${expected_word}\n")
    message(FATAL_ERROR "scripts/screenshot said '${out}', expected '${OUT}: ${expected_word}'")
  endif()
endfunction()

# The chunk types of a PNG file, in order: after the 8-byte signature each
# chunk is a 4-byte length, a 4-byte type, the data and a 4-byte CRC.
function(png_chunk_types file result)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" size)
  set(types "")
  set(at 16)
  while(at LESS size)
    string(SUBSTRING "${hex}" ${at} 8 length_hex)
    math(EXPR length "0x${length_hex}")
    math(EXPR type_at "${at} + 8")
    string(SUBSTRING "${hex}" ${type_at} 8 type_hex)
    # Chunk types are four ASCII letters.
    set(type "")
    foreach(i 0 2 4 6)
      string(SUBSTRING "${type_hex}" ${i} 2 byte)
      math(EXPR code "0x${byte}")
      string(ASCII ${code} char)
      string(APPEND type "${char}")
    endforeach()
    list(APPEND types ${type})
    math(EXPR at "${at} + 24 + 2 * ${length}")
  endwhile()
  set(${result} ${types} PARENT_SCOPE)
endfunction()

file(REMOVE ${OUT})
take_screenshot(written)

png_chunk_types(${OUT} types)
foreach(timed tIME tEXt zTXt iTXt)
  if(timed IN_LIST types)
    message(FATAL_ERROR "the screenshot holds a ${timed} chunk (chunks: ${types})")
  endif()
endforeach()

# An old time stamp shows whether the second run touched the file at all.
execute_process(COMMAND touch -d @86400 ${OUT})
file(SHA256 ${OUT} before)
take_screenshot(unchanged)
file(SHA256 ${OUT} after)
file(TIMESTAMP ${OUT} mtime "%s" UTC)
if(NOT before STREQUAL after OR NOT mtime STREQUAL "86400")
  message(FATAL_ERROR "the second run rewrote the screenshot")
endif()
