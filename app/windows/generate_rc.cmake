# Writes the Windows resource script from the version table and the icon file.
# Run as: cmake -DVERSION_HEADER=... -DICON_FILE=... -DTEMPLATE=... -DOUTPUT=... -P generate_rc.cmake
# The script fails loudly when either input has a shape it does not expect, so the executable
# never silently carries stale or partial data.

cmake_minimum_required(VERSION 3.25)

foreach(var VERSION_HEADER ICON_FILE TEMPLATE OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "generate_rc.cmake: ${var} is not set")
    endif()
endforeach()

# --- Version table -------------------------------------------------------------------------

file(READ "${VERSION_HEADER}" header)

function(read_number field out)
    if(NOT header MATCHES "\\.${field} = (0x[0-9A-Fa-f]+|[0-9]+)[,} \n]")
        message(FATAL_ERROR "${VERSION_HEADER}: no numeric .${field}")
    endif()
    math(EXPR value "${CMAKE_MATCH_1}")
    set(${out} ${value} PARENT_SCOPE)
endfunction()

function(read_version field out)
    if(NOT header MATCHES "\\.${field} = {([0-9]+), ([0-9]+), ([0-9]+), ([0-9]+)}")
        message(FATAL_ERROR "${VERSION_HEADER}: no four-part .${field}")
    endif()
    set(${out} "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3},${CMAKE_MATCH_4}" PARENT_SCOPE)
endfunction()

function(to_hex4 value out)
    math(EXPR hex "${value}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${hex}" 2 -1 hex)
    string(TOUPPER "${hex}" hex)
    string(LENGTH "${hex}" length)
    if(length GREATER 4)
        message(FATAL_ERROR "${value} does not fit in 16 bits")
    endif()
    math(EXPR pad "4 - ${length}")
    string(REPEAT "0" ${pad} zeros)
    set(${out} "${zeros}${hex}" PARENT_SCOPE)
endfunction()

read_version(fileVersion FILE_VERSION)
read_version(productVersion PRODUCT_VERSION)
read_number(fileFlagsMask FILE_FLAGS_MASK)
read_number(fileFlags FILE_FLAGS)
read_number(fileOs FILE_OS)
read_number(fileType FILE_TYPE)
read_number(fileSubtype FILE_SUBTYPE)
read_number(fileDate file_date)
read_number(language LANGUAGE)
read_number(codePage CODE_PAGE)

# The resource language has no statement for the file date; windres always writes zero.
if(NOT file_date EQUAL 0)
    message(FATAL_ERROR "${VERSION_HEADER}: a nonzero fileDate cannot be written to the script")
endif()

math(EXPR LANG_PRIMARY "${LANGUAGE} & 0x3FF" OUTPUT_FORMAT HEXADECIMAL)
math(EXPR LANG_SUB "${LANGUAGE} >> 10" OUTPUT_FORMAT HEXADECIMAL)
to_hex4(${LANGUAGE} language_hex)
to_hex4(${CODE_PAGE} code_page_hex)
set(STRING_TABLE_KEY "${language_hex}${code_page_hex}")
math(EXPR LANGUAGE "${LANGUAGE}" OUTPUT_FORMAT HEXADECIMAL)

if(NOT header MATCHES "\\.strings = {{([^;]*)}}")
    message(FATAL_ERROR "${VERSION_HEADER}: no .strings = {{ ... }} list")
endif()
set(strings_text "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "{\"[^\"\\\\]*\", \"[^\"\\\\]*\"}" pairs "${strings_text}")
string(REGEX MATCHALL "{\"" openings "${strings_text}")
list(LENGTH pairs pair_count)
list(LENGTH openings opening_count)
if(pair_count EQUAL 0 OR NOT pair_count EQUAL opening_count)
    message(FATAL_ERROR "${VERSION_HEADER}: every string must be a plain {\"Key\", \"Value\"} pair")
endif()
set(VERSION_STRINGS "")
foreach(pair IN LISTS pairs)
    if(NOT pair MATCHES "^{\"([ -~]*)\", \"([ -~]*)\"}$")
        message(FATAL_ERROR "${VERSION_HEADER}: ${pair} is not plain ASCII")
    endif()
    string(APPEND VERSION_STRINGS "            VALUE \"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\"\n")
endforeach()
string(REGEX REPLACE "\n$" "" VERSION_STRINGS "${VERSION_STRINGS}")

# --- Icon ----------------------------------------------------------------------------------

set(ICON_ID 30001)
set(icon_image_offset 22)  # one 6-byte directory and one 16-byte entry

file(READ "${ICON_FILE}" icon_hex HEX)
string(LENGTH "${icon_hex}" icon_hex_length)
math(EXPR icon_size "${icon_hex_length} / 2")

# Little-endian unsigned integer of `bytes` bytes at byte `offset` of the icon file.
function(icon_field offset bytes out)
    math(EXPR end "${offset} + ${bytes}")
    if(end GREATER icon_size)
        message(FATAL_ERROR "${ICON_FILE}: too short (${icon_size} bytes)")
    endif()
    set(hex "")
    math(EXPR last "${bytes} - 1")
    foreach(i RANGE ${last})
        math(EXPR at "(${offset} + ${i}) * 2")
        string(SUBSTRING "${icon_hex}" ${at} 2 byte)
        set(hex "${byte}${hex}")
    endforeach()
    math(EXPR value "0x${hex}")
    set(${out} ${value} PARENT_SCOPE)
endfunction()

icon_field(0 2 icon_reserved)
icon_field(2 2 icon_type)
icon_field(4 2 icon_count)
if(NOT icon_reserved EQUAL 0 OR NOT icon_type EQUAL 1 OR NOT icon_count EQUAL 1)
    message(FATAL_ERROR "${ICON_FILE}: expected an icon file holding exactly one image")
endif()
icon_field(6 1 entry_width)
icon_field(7 1 entry_height)
icon_field(8 1 entry_colours)
icon_field(9 1 entry_reserved)
icon_field(10 2 entry_planes)
icon_field(12 2 entry_bit_count)
icon_field(14 4 image_size)
icon_field(18 4 image_offset)
math(EXPR expected_size "${icon_image_offset} + ${image_size}")
if(NOT image_offset EQUAL icon_image_offset OR NOT icon_size EQUAL expected_size)
    message(FATAL_ERROR
        "${ICON_FILE}: the image must start at byte ${icon_image_offset} and end the file")
endif()
if(NOT image_size GREATER 0 OR NOT image_size MATCHES "[02468]$")
    message(FATAL_ERROR "${ICON_FILE}: image size ${image_size} is not a whole number of words")
endif()

# Icon files often leave planes and bit count zero; the group entry needs the real values,
# which the image's BITMAPINFOHEADER holds.
icon_field(${icon_image_offset} 4 header_size)
if(entry_planes EQUAL 0 OR entry_bit_count EQUAL 0)
    if(NOT header_size EQUAL 40)
        message(FATAL_ERROR "${ICON_FILE}: no planes or bit count and no BITMAPINFOHEADER")
    endif()
    math(EXPR at "${icon_image_offset} + 12")
    icon_field(${at} 2 entry_planes)
    math(EXPR at "${icon_image_offset} + 14")
    icon_field(${at} 2 entry_bit_count)
endif()

math(EXPR size_low "${image_size} & 0xFFFF" OUTPUT_FORMAT HEXADECIMAL)
math(EXPR size_high "${image_size} >> 16" OUTPUT_FORMAT HEXADECIMAL)
math(EXPR width_height "${entry_width} | (${entry_height} << 8)" OUTPUT_FORMAT HEXADECIMAL)
math(EXPR colours_reserved "${entry_colours} | (${entry_reserved} << 8)"
    OUTPUT_FORMAT HEXADECIMAL)
# The image size is a 32-bit field; writing it as two words keeps every item a plain word.
set(GROUP_ENTRY "${width_height}, ${colours_reserved}, ${entry_planes}, ${entry_bit_count}, \
${size_low}, ${size_high}, ${ICON_ID}")

# Raw data items are 16-bit little-endian words: swap each byte pair, eight words a line.
math(EXPR image_hex_offset "${icon_image_offset} * 2")
string(SUBSTRING "${icon_hex}" ${image_hex_offset} -1 image_hex)
string(REGEX REPLACE "([0-9a-f][0-9a-f])([0-9a-f][0-9a-f])" "0x\\2\\1, " ICON_WORDS
    "${image_hex}")
string(REPEAT "0x[0-9a-f]+, " 8 eight_words)  # CMake regexes have no {n} counts
string(REGEX REPLACE "(${eight_words})" "\\1\n    " ICON_WORDS "${ICON_WORDS}")
string(REGEX REPLACE "[, \n]+$" "" ICON_WORDS "${ICON_WORDS}")
string(REGEX REPLACE " \n" "\n" ICON_WORDS "${ICON_WORDS}")

# --- Output --------------------------------------------------------------------------------

configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY NEWLINE_STYLE UNIX)
