#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vandrix in the demo shop folder demo/ (created on
# first use with a small catalogue of sample articles). Without a display it runs the bundled
# demonstration script offscreen and prints what it produced.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/build.sh
program="$root/build/vandrix"
mkdir -p demo
cd demo

if [ ! -s baza.db ]; then
  echo "Setting up the demo shop in $root/demo ..."
  printf 'click DA\nclose\nclick DA\n' > .first-start.txt
  "$program" --script .first-start.txt > /dev/null 2>&1 || true
  rm -f .first-start.txt
  sqlite3 baza.db < "$root/scripts/demo-articles.sql"
  printf 'Bine ati venit la Magazinul Demo Vandrix!\r\n' > text.txt
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

echo "No display found: running the demonstration script offscreen instead."
"$program" --script "$root/scripts/demo-script.txt" --transcript demo-transcript.txt \
  && status=0 || status=$?
echo "Exit status: $status"
echo "Transcript (demo/demo-transcript.txt):"
sed 's/^/  /' demo-transcript.txt
echo "Pictures saved:"
ls -1 demo-*.png 2>/dev/null | sed 's/^/  demo\//'
exit "$status"
