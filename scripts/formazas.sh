#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted by .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "format check: $(git ls-files '*.cpp' '*.h' | wc -l) files formatted"
