# Shared steps of the end-to-end tests. Each test sources this file, builds a working folder with
# `kb_file`, starts the program with `start_program`, drives it with xdotool and checks the files.
set -euo pipefail

: "${BOLTOMIR:?path of the program}" "${KBCONV:?path of the converter}"
WORK="$(mktemp -d /tmp/boltomir-e2e-XXXXXX)"
XVFB_PID=""
PROGRAM_PID=""
WID=""

cleanup() {
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/program.log" ] && { echo "--- program output:" >&2; cat "$WORK/program.log" >&2; }
  exit 1
}

# kb_file "Data base/AI/Words.Dat" <<'EOF' ... EOF — writes UTF-8 lines from stdin as cp1251, CR LF.
kb_file() {
  mkdir -p "$WORK/$(dirname "$1")"
  cat >"$WORK/$1.utf8"
  "$KBCONV" to-cp1251 "$WORK/$1.utf8" "$WORK/$1"
  rm "$WORK/$1.utf8"
}

# The delivered settings and sounds, and a complete small knowledge base the test may overwrite.
seed_working_folder() {
  mkdir -p "$WORK/Data base/AI" "$WORK/Data base/ini"
  cp "$BOLTOMIR_BUILT_DATA/ini/Config.ini" "$WORK/Data base/ini/" 2>/dev/null || true
  cp -r "$BOLTOMIR_BUILT_DATA/Sound" "$WORK/Data base/" 2>/dev/null || true
  local f
  for f in Povtor.Dat X.Dat BigString.Dat W1.Dat W2.Dat CPUpvt.dat Pause.Dat Begin.dat; do
    printf 'Строка файла %s\n' "$f" | kb_file "Data base/AI/$f"
  done
  printf 'Заголовок\nОтложенная реплика\n' | kb_file "Data base/AI/AI.dat"
  : >"$WORK/Data base/AI/Collection.Dat"
  : >"$WORK/Data base/AI/Log.dat"
  printf 'ПРИВЕТ^Здравствуй!;\n' | kb_file "Data base/AI/Words.Dat"
}

start_xvfb() {
  local fd_file="$WORK/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  [ -s "$fd_file" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$fd_file")"
}

# Starts the program in the working folder and waits for its main window, found by its title.
start_program() {
  start_xvfb
  (cd "$WORK" && exec "$BOLTOMIR" >"$WORK/program.log" 2>&1) &
  PROGRAM_PID=$!
  WID="$(xdotool search --sync --onlyvisible --name 'БОЛТОМИР' | head -n 1)" ||
    fail "main window not found"
  xdotool windowfocus --sync "$WID" 2>/dev/null || xdotool windowfocus "$WID"
  # The input field takes no typing while the knowledge base loads and the window shakes; both
  # are over once the status bar's first panel shows "Загрузка окончена".
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  MENU_HEIGHT=$((HEIGHT - 361))
  wait_until 30 status_shows_text || fail "the knowledge base did not finish loading"
}

status_shows_text() {
  [ "$("$WINDOW_PROBE" "$WID" 4 $((MENU_HEIGHT + 345)) 120 13)" -gt 20 ]
}

# Waits until the program has ended by itself, at most $1 seconds.
wait_for_exit() {
  local i
  for i in $(seq 1 $(($1 * 10))); do
    if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
      local status=0
      wait "$PROGRAM_PID" || status=$?
      PROGRAM_PID=""
      # The sanitizers report through the exit status.
      [ "$status" -eq 0 ] || fail "the program ended with status $status"
      return 0
    fi
    sleep 0.1
  done
  fail "the program did not end within $1 s"
}

# Waits until the command succeeds, at most $1 seconds.
wait_until() {
  local seconds=$1 i
  shift
  for i in $(seq 1 $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

type_text() { xdotool type --delay 80 "$1"; }
press() { xdotool key --delay 60 "$@"; }

# The lines of a cp1251 file of the working folder, as UTF-8 with LF.
utf8_lines() { "$KBCONV" to-utf8 "$WORK/$1" /dev/stdout; }

# Asserts that a file of the working folder ends every line with CR LF.
assert_crlf() {
  local bare
  bare=$(tr -d '\n' <"$WORK/$1" | tr '\r' '\n' | wc -l)
  [ "$bare" -eq "$(tr -cd '\n' <"$WORK/$1" | wc -c)" ] || fail "$1 has a line without CR LF"
}
