#!/usr/bin/env bash
# Opens the exported sheets in LibreOffice Calc, the real program, and saves them again as CSV and
# as workbooks (tests/tst_spreadsheetprograms.cpp): installs LibreOffice when it is missing, builds
# the suite and the programs it needs in build/ (or in $ROSTERLY_BUILD_DIR), and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages libreoffice-calc-nogui

build_dir=${ROSTERLY_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" -j2 --target tst_spreadsheetprograms rosterly-cli rosterly-sample zlib2.dll
cd "$build_dir"
status=0
QT_QPA_PLATFORM=offscreen ctest -R tst_spreadsheetprograms --output-on-failure || status=$?
if [ "$status" -eq 0 ]; then
    echo "spreadsheet check: passed"
else
    echo "spreadsheet check: FAILED (ctest exit status $status)"
fi
exit "$status"
