# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Windows resource script and checks what it holds: icon images 30001 and 30002,
# icon group 1, and a US English version block with the program's strings.
execute_process(
    COMMAND ${WINDRES} --preprocessor=cpp -O res -i ${RC} -o ${OUTPUT}
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres failed: ${errors}")
endif()
file(READ ${OUTPUT} bytes HEX)
# Resource headers name type and id as 0xFFFF followed by the number, little-endian.
foreach(needle
        "ffff0300ffff3175"  # icon image 30001
        "ffff0300ffff3275"  # icon image 30002
        "ffff0e00ffff0100"  # icon group 1
        "ffff1000ffff0100") # version information 1
    string(FIND "${bytes}" "${needle}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the resources lack ${needle}")
    endif()
endforeach()
file(READ ${RC} script)
foreach(text "\"040904b0\"" "0x0409, 1200" "\"Quorvel.exe\"" "\"0.00.0010\"" "FILEVERSION 0,0,0,10")
    string(FIND "${script}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the resource script lacks ${text}")
    endif()
endforeach()
