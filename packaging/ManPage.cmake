# Makes the gzipped manual page OUTPUT (a path ending in .1.gz) of PROGRAM from its
# own --help and --version with help2man; NAME_LINE is the NAME section's text. With
# SUBCOMMANDS set, the commands listed after "commands:" in the --help text get a
# COMMANDS section of their own --help texts, so that the page stays true to the tool.
# The tool's own help then stands as the DESCRIPTION, line for line.
# Run at build time: cmake -DHELP2MAN=... -DGZIP=... -DPROGRAM=... -DNAME_LINE=...
#                          -DOUTPUT=... [-DSUBCOMMANDS=ON] -P ManPage.cmake
cmake_minimum_required(VERSION 3.20)

function(run)
    # A program that does not answer --help at once would otherwise hold the build.
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                    TIMEOUT 60)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${status}): ${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

# Lines set verbatim in roff: a backslash printed as such, no line read as a request.
function(roff_verbatim text result)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

string(REGEX REPLACE "\\.gz$" "" page "${OUTPUT}")
set(include_option "")
if(SUBCOMMANDS)
    run("${PROGRAM}" --help)
    if(NOT out MATCHES "\ncommands:([^\n]*)")
        message(FATAL_ERROR "${PROGRAM} --help lists no commands")
    endif()
    roff_verbatim("${out}" text)
    set(description "[=DESCRIPTION]\n.nf\n${text}.fi\n")
    string(STRIP "${CMAKE_MATCH_1}" commands)
    string(REPLACE " " ";" commands "${commands}")
    set(section "[COMMANDS]\n")
    foreach(command IN LISTS commands)
        run("${PROGRAM}" ${command} --help)
        roff_verbatim("${out}" text)
        string(APPEND section ".SS ${command}\n.nf\n${text}.fi\n")
    endforeach()
    file(WRITE "${page}.h2m" "${description}${section}")
    set(include_option "--include=${page}.h2m")
endif()

run("${HELP2MAN}" --no-info --section=1 "--name=${NAME_LINE}" ${include_option}
    "--output=${page}" "${PROGRAM}")
run("${GZIP}" -9nf "${page}")
