# An unknown phrase of five characters or more is learned: its key line ends Words.Dat, written
# in cp1251 with CR LF.
source "$E2E_LIB"
seed_working_folder
start_program

type_text "расскажи про море"
press Return

last_key_line() { [ "$(utf8_lines "Data base/AI/Words.Dat" | tail -n 1)" = "РАССКАЖИ ПРО МОРЕ^" ]; }
wait_until 10 last_key_line ||
  fail "the last line of Words.Dat is «$(utf8_lines "Data base/AI/Words.Dat" | tail -n 1)»"
expected_bytes=$(printf 'РАССКАЖИ ПРО МОРЕ^\r\n' | iconv -f UTF-8 -t CP1251 | od -An -tx1)
actual_bytes=$(tail -c 20 "$WORK/Data base/AI/Words.Dat" | od -An -tx1)
[ "$actual_bytes" = "$expected_bytes" ] || fail "the key line is not cp1251 with CR LF: $actual_bytes"
assert_crlf "Data base/AI/Words.Dat"
echo "learning test passed"
