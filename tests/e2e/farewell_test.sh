# A phrase that hits a farewell key: the window shrinks and moves, the program ends by itself
# about a second later, and Log.dat holds the dialogue.
source "$E2E_LIB"
seed_working_folder
kb_file "Data base/AI/Words.Dat" <<'LINES'
ДО СВИДАНИЯ^Всего доброго!;@
LINES
start_program
eval "$(xdotool getwindowgeometry --shell "$WID")"
width_before=$WIDTH

type_text "до свидания"
press Return
sleep 0.4
if kill -0 "$PROGRAM_PID" 2>/dev/null; then
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  [ "$WIDTH" -lt "$width_before" ] || fail "the window did not shrink ($WIDTH wide)"
fi
wait_for_exit 10

utf8_lines "Data base/AI/Log.dat" | grep -q '^\[.*\] CPU:     Всего доброго!$' ||
  fail "the farewell reply is not in Log.dat"
utf8_lines "Data base/AI/Log.dat" | grep -q '^Конец диалога: ' || fail "Log.dat has no closing line"
echo "farewell test passed"
