# The main window on a real X display: found by its title, 587 x 361 below its menu bar, and
# typing a letter enables "Сказать" at the next tick.
source "$E2E_LIB"
seed_working_folder
start_program

eval "$(xdotool getwindowgeometry --shell "$WID")"
[ "$WIDTH" -eq 587 ] || fail "window is $WIDTH wide, not 587"
menu=$((HEIGHT - 361))
[ "$menu" -ge 15 ] && [ "$menu" -le 40 ] || fail "window is $HEIGHT high: not 361 below a menu bar"

# The "Сказать" button: 496,5 86 x 22 in the lower panel at 0,312 of the client area.
say_dark() { "$WINDOW_PROBE" "$WID" 500 $((menu + 312 + 7)) 78 18; }
disabled=$(say_dark)
say_enabled() { [ "$(say_dark)" -gt $((disabled + 20)) ]; }
type_text "д"
wait_until 5 say_enabled ||
  fail "\"Сказать\" did not turn enabled: $disabled dark pixels before typing, $(say_dark) after"
press BackSpace
wait_until 5 eval '! say_enabled' || fail "\"Сказать\" stayed enabled with the input empty"
echo "window test passed"
