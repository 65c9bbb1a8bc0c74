#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vandrix in the demo shop folder demo/ (created on
# first use with a small catalogue of sample articles). Without a display it runs the bundled
# demonstration script offscreen: a sale of three articles paid by card and in cash, then an X
# report. It prints the transcript, the files the sale and the report produced for the
# fiscal-printer driver and the note printer, and the pictures it saved of each window.
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
# The note printer's folder (NoteDir): the program does not create it, and without it the note
# text of a receipt is dropped.
mkdir -p Note

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

# Prints each file of a folder under its name: the driver's and the note's records are in the
# Windows code page with CR LF line ends.
show_files() {
  local folder="$1" file found=0
  for file in "$folder"/*; do
    [ -f "$file" ] || continue
    found=1
    echo "  demo/$file:"
    iconv -f WINDOWS-1250 -t UTF-8 "$file" | tr -d '\r' | sed 's/^/    | /'
  done
  [ "$found" = 1 ] || echo "  (none)"
}

echo "No display found: running the demonstration script offscreen instead."
# No driver takes the files in the demo shop: those of the previous run are taken away here, so
# that every run starts from empty folders and shows only what it produced.
for folder in Bonuri Note; do
  [ ! -d "$folder" ] || find "$folder" -maxdepth 1 -type f -delete
done
rm -f demo-*.png demo-transcript.txt
"$program" --script "$root/scripts/demo-script.txt" --transcript demo-transcript.txt \
  && status=0 || status=$?
echo "Exit status: $status"
echo "Transcript (demo/demo-transcript.txt):"
sed 's/^/  /' demo-transcript.txt
echo "Files for the fiscal-printer driver (the receipt and the X report request):"
show_files Bonuri
echo "Note text for the note printer:"
show_files Note
echo "Pictures saved:"
ls -1 demo-*.png 2>/dev/null | sed 's/^/  demo\//'
exit "$status"
