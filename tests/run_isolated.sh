#!/bin/sh
# Runs one test executable in a throw-away home, offscreen and in the same
# language on every machine.
dir=$(mktemp -d) || exit 1
export HOME="$dir/home" XDG_DATA_HOME="$dir/data" XDG_CONFIG_HOME="$dir/config" \
       XDG_CACHE_HOME="$dir/cache" XDG_RUNTIME_DIR="$dir/runtime" TMPDIR="$dir/tmp" \
       QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANGUAGE=
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
"$@"
rc=$?
rm -rf "$dir"
exit $rc
