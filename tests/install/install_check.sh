#!/usr/bin/env bash
# Installs the program into a scratch prefix and checks it as a Linux desktop meets it: the
# entry validates, a .pq file is a session the entry opens, its Exec line opens paths with
# spaces and dots, and the installed program takes its German translation.
# Usage: install_check.sh BUILD_DIR SCRATCH_DIR INSTALLPROBE
set -euo pipefail
build=$1 scratch=$2 probe=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$scratch"
mkdir -p "$scratch"
prefix=$scratch/prefix
# The component holds every install rule and leaves the user's install_manifest.txt alone.
cmake --install "$build" --prefix "$prefix" --component program >/dev/null
entry=$prefix/share/applications/plectronome.desktop
[ -x "$prefix/bin/plectronome" ] || fail "no program in $prefix/bin"
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
[ -f "$prefix/share/icons/hicolor/48x48/apps/plectronome.png" ] || fail "no 48x48 icon"
# The installed translations, as the program finds them from bin/.
cp "$probe" "$prefix/bin/"
german=$("$prefix/bin/installprobe" de) || fail "German translation refused"
[ "$german" = "&Datei" ] || fail "installed program in German shows \"$german\" for \"&File\""
# A desktop that knows only the scratch prefix, and a home of its own.
home=$scratch/home
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config \
  XDG_CACHE_HOME=$home/.cache XDG_CONFIG_DIRS=$scratch/xdg XDG_DATA_DIRS=$prefix/share
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID \
  XDG_MENU_PREFIX DISPLAY WAYLAND_DISPLAY
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_CONFIG_DIRS"
songs="$scratch/My Songs v1.2" && mkdir -p "$songs"
song="$songs/First Take.v1.wav" other="$songs/Take 2.final.wav" session="$songs/practice night.v2.pq"
# Plucked A notes at 120 beats a minute: a track the analysis finds beats in.
ffmpeg -loglevel error -f lavfi -i "aevalsrc=0.6*sin(2*PI*220*t)*exp(-9*mod(t\,0.5)):s=44100:d=6" \
  -ac 2 "$song"
cp "$song" "$other"
printf '<!DOCTYPE PQXML>\n<pqxml>\n <fileName>%s</fileName>\n</pqxml>\n' "$other" >"$session"
# The install ran update-mime-database and update-desktop-database on the prefix.
type=$(xdg-mime query filetype "$session")
[ "$type" = application/x-plectronome-session ] || fail "xdg-mime filetype of a session: $type"
default=$(xdg-mime query default application/x-plectronome-session)
[ "$default" = plectronome.desktop ] || fail "xdg-mime default for sessions: $default"
# Starts the Exec line as a file manager does (%f: the file as one argument) and waits for
# the analysis cache of the track it opened.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
open_with_entry() {
  local file=$1 cache=$2 words
  read -ra words <<<"$exec_line"
  local args=("${words[@]/#%f/"$file"}")
  (cd "$home" && PATH="$prefix/bin:$PATH" exec "${args[@]}") >"$scratch/program.log" 2>&1 &
  local pid=$! waited=0
  # The ceiling only spares a hang ctest's timeout.
  while [ ! -f "$cache" ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before opening $file: $(cat "$scratch/program.log")"
    [ $((waited++)) -lt 1500 ] || { kill "$pid"; fail "$file did not open"; }
    sleep 0.2
  done
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
metadata=$XDG_DATA_HOME/Plectronome/metadata
open_with_entry "$song" "$metadata/First Take.v1.pqm"
# Only the session names the second track.
open_with_entry "$session" "$metadata/Take 2.final.pqm"
echo "installed, validated, and opened a song and a session through the desktop entry"
