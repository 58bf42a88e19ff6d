# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the solver over a run of seeds at a budget in positions and checks its lines against their pins:
# the summary as it is, and each deal's line (seed, verdict, positions met; not the milliseconds,
# which vary) as one digest. Both are the same on every machine, on Linux and on Windows.
# cmake -DSOLVER=<command, | between its words> -DARGUMENTS=<| between> -DSUMMARY=<line> -DDIGEST=<sha256>
#       -P solver_lines.cmake
string(REPLACE "|" ";" solver "${SOLVER}")
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
execute_process(COMMAND ${solver} ${arguments} OUTPUT_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the solver ended with ${status}:\n${output}")
endif()
string(REPLACE "\r" "" output "${output}")
string(FIND "${output}" "\n${SUMMARY}\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "no line '${SUMMARY}' in the solver's output:\n${output}")
endif()
string(REGEX MATCHALL "seed [0-9]+ [a-z]+ [0-9]+ positions" deals "${output}")
string(REPLACE ";" "\n" deals "${deals}")
string(SHA256 digest "${deals}")
if(NOT digest STREQUAL DIGEST)
  message(FATAL_ERROR "the deals' lines have the digest ${digest}, pinned ${DIGEST}:\n${deals}")
endif()
