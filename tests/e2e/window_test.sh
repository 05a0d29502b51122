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
type_text "д"
sleep 0.3
enabled=$(say_dark)
[ "$enabled" -gt $((disabled + 20)) ] ||
  fail "\"Сказать\" did not turn enabled: $disabled dark pixels before typing, $enabled after"
press BackSpace
sleep 0.3
[ "$(say_dark)" -lt $((enabled - 20)) ] || fail "\"Сказать\" stayed enabled with the input empty"
echo "window test passed"
