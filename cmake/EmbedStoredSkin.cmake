# Writes a form description with a stored skin in it: TEMPLATE with @SKIN_DATA@ replaced
# by the zlib data of the compressed skin container CONTAINER, as the form format's
# binary data. A container holds a version (at most 3), the byte count N of the zlib
# data and the N bytes, both numbers little-endian signed 32-bit.
#
#   cmake -DTEMPLATE=<form.in> -DCONTAINER=<skin.skn> -DOUTPUT=<form> -P EmbedStoredSkin.cmake

foreach(argument TEMPLATE CONTAINER OUTPUT)
  if(NOT DEFINED ${argument})
    message(FATAL_ERROR "EmbedStoredSkin: ${argument} is not given")
  endif()
endforeach()

# The little-endian 32-bit number whose 8 hex digits start at Offset of Hex.
function(read_int32 hex offset result)
  string(SUBSTRING "${hex}" ${offset} 8 digits)
  string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" digits "${digits}")
  math(EXPR value "0x${digits}")
  if(value GREATER 2147483647)
    math(EXPR value "${value} - 4294967296")
  endif()
  set(${result} ${value} PARENT_SCOPE)
endfunction()

file(READ "${CONTAINER}" container HEX)
string(LENGTH "${container}" digits)
if(digits LESS 16)
  message(FATAL_ERROR "EmbedStoredSkin: ${CONTAINER} is too short for a skin container")
endif()
read_int32("${container}" 0 version)
read_int32("${container}" 8 size)
math(EXPR data_digits "${digits} - 16")
math(EXPR expected_digits "${size} * 2")
if(version GREATER 3 OR size LESS 1 OR NOT data_digits EQUAL expected_digits)
  message(FATAL_ERROR "EmbedStoredSkin: ${CONTAINER} is no skin container of version 3 or lower "
                      "whose byte count matches its data")
endif()
string(SUBSTRING "${container}" 16 -1 data)
string(TOUPPER "${data}" data)

# Lines of 32 bytes, indented under the property.
set(SKIN_DATA "{")
set(indent "\n      ")
foreach(offset RANGE 0 ${data_digits} 64)
  if(offset LESS data_digits)
    string(SUBSTRING "${data}" ${offset} 64 line)
    string(APPEND SKIN_DATA "${indent}${line}")
  endif()
endforeach()
string(APPEND SKIN_DATA "}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
