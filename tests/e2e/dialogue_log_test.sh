# Two phrases typed with the keyboard, then "В&ыход" chosen with the keyboard: the program ends
# and Log.dat holds the whole dialogue as one record, line by line (times aside).
source "$E2E_LIB"
seed_working_folder
kb_file "Data base/AI/Words.Dat" <<'LINES'
ПРИВЕТ^Здравствуй!;
КАК ДЕЛА^Отлично!;
LINES
start_program

type_text "привет"
press Return
sleep 0.5
type_text "как дела"
press Return
sleep 0.5
press alt+Cyrillic_es
sleep 0.3
press Cyrillic_yeru
wait_for_exit 10

# Times and dates aside; the greeting may or may not have come (one chance in three).
actual=$(utf8_lines "Data base/AI/Log.dat" |
  sed -E 's/^\[[^]]*\] //; s/(Дата - ).*(   \|   Время - ).*/\1D\2T/' |
  grep -v '^CPU:     Строка файла Begin.dat$')
expected=$(cat <<'RECORD'

=====================================================
Начало диалога: Дата - D   |   Время - T
//Загружено фраз и выражений выученных программой: 2

USER:     Привет.
CPU:     Здравствуй!
USER:     Как дела.
CPU:     Отлично!

Конец диалога: Дата - D   |   Время - T
=====================================================
RECORD
)
[ "$actual" = "$expected" ] || fail "Log.dat record differs:
$(diff <(echo "$expected") <(echo "$actual"))"
assert_crlf "Data base/AI/Log.dat"
echo "dialogue log test passed"
