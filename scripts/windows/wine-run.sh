#!/usr/bin/env bash
# Runs a Windows program under wine for CTest (its CMAKE_CROSSCOMPILING_EMULATOR). Wine gives the
# console programs that a program starts (the codec tool, the command line) a headless
# conhost.exe each, and some outlive them holding the output pipe, so that CTest would wait for
# ever: the program writes into a file instead, passed on when it ends.
log=$(mktemp)
wine "$@" >"$log" 2>&1 </dev/null
status=$?
cat "$log"
rm -f "$log"
exit $status
