#!/bin/sh
# Starts the installed game in the folder of its words.txt, found from this script's own place:
# <prefix>/bin/glyphwise runs <prefix>/lib/glyphwise/glyphwise in <prefix>/share/glyphwise.
here=$(dirname "$(readlink -f "$0")")
cd "$here/../share/glyphwise" || exit 1
exec "$here/../lib/glyphwise/glyphwise"
