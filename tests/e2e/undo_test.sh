# Ctrl+Z pressed in the input field takes back the bot's last line (the field does not keep the
# key for its own undo): the line does not reach Log.dat, while the user's line does.
source "$E2E_LIB"
seed_working_folder
start_program

type_text "привет"
press Return
sleep 0.5
press ctrl+z
sleep 0.5
press alt+Cyrillic_es
sleep 0.3
press Cyrillic_yeru
wait_for_exit 10

dialogue=$(utf8_lines "Data base/AI/Log.dat" | grep -E '^\[.*\] (USER|CPU):' |
  sed -E 's/^\[[^]]*\] //' | grep -v '^CPU:     Строка файла Begin.dat$')
[ "$dialogue" = "USER:     Привет." ] || fail "the dialogue in Log.dat is:
$dialogue"
echo "undo test passed"
