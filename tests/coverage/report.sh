#!/bin/sh
# The coverage report of the product code: line coverage per file, then
# branch coverage per file (exception branches left out), both also written
# to coverage.txt in the build folder. Fails when line coverage is below 99%.
# Usage: report.sh SOURCE_FOLDER BUILD_FOLDER
set -e
source=$1
build=$2
report() {
  gcovr --root "$source" --object-directory "$build" \
    --exclude "$source/tests/" --exclude "$source/bench/" --exclude "$source/tools/" \
    --exclude-throw-branches --exclude-unreachable-branches "$@"
}
{
  report --branches
  report --print-summary --fail-under-line 99
} | tee "$build/coverage.txt"
