#!/bin/bash
# End-to-end cases: the real halvenor-fix.exe, run as its own process under
# Wine against the emulated card registered in the build tree's prefix.
#
#   e2e.sh <build-dir> <case>
set -u
build=$1 case=$2
out="$build/tests/e2e/out/$case"
mkdir -p "$out"
failures=0

wine() { (cd "$build" && ./wine-run "$@"); }
state_key='HKCU\Software\Halvenor\HD Emulator'
instance_key='HKCR\CLSID\{CC7BFB46-F175-11D1-A392-00E0291F3959}\Instance\{5B1C7A3E-2F4D-4E8A-9C61-7D0E3A9B4F21}'

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

reset_card() { wine reg delete "$state_key" /f >/dev/null 2>&1; return 0; }
register_card() { wine regsvr32 /s halvenor-emu.dll || fail "regsvr32 failed"; }
unregister_card() { wine regsvr32 /u /s halvenor-emu.dll || fail "regsvr32 /u failed"; }
set_fault() { wine reg add "$state_key" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null || fail "reg add $1"; }

# Runs the tool under the debug-output recorder; leaves stdout.txt,
# debug.txt (one escaped write per line) and the status in $status.
run_tool() {
    wine debug-capture.exe "tests\\e2e\\out\\$case\\debug.txt" halvenor-fix.exe "$@" \
        >"$out/stdout.txt" 2>"$out/stderr.txt" </dev/null
    status=$(sed -n 's/^exit=//p' "$out/debug.txt")
    # The emulated filter's release is the card's own note, not the tool's trace.
    grep -v -e '^exit=' -e '^halvenor-emu: ' "$out/debug.txt" >"$out/trace.txt"
    grep -c '^halvenor-emu: filter released' "$out/debug.txt" >"$out/released.txt"
}

expect_stdout() {
    printf "$1" >"$out/expected.txt"
    cmp -s "$out/expected.txt" "$out/stdout.txt" ||
        fail "stdout differs: expected $(od -c "$out/expected.txt" | head -5) got $(od -c "$out/stdout.txt" | head -5)"
}
expect_status() { [ "$status" = "$1" ] || fail "exit status $status, expected $1"; }

# The trace's writes, escaped, one per argument; a last "+" stands for the
# system's text of the last-error code, which must follow as one more write.
expect_trace() {
    local expected=("$@") text=0
    if [ "${#expected[@]}" -gt 0 ] && [ "${expected[-1]}" = "+" ]; then
        text=1
        unset 'expected[-1]'
    fi
    mapfile -t actual <"$out/trace.txt"
    local n=${#expected[@]}
    if [ "${#actual[@]}" -ne $((n + text)) ] || [ "${actual[*]:0:$n}" != "${expected[*]}" ] ||
        { [ "$text" -eq 1 ] && [ -z "${actual[-1]}" ]; }; then
        fail "trace differs: expected [${expected[*]}] and $text text line(s), got [${actual[*]}]"
    fi
}
expect_released() { [ "$(cat "$out/released.txt")" = "$1" ] || fail "filter released $(cat "$out/released.txt") times, expected $1"; }

register_value() {
    wine reg query "$state_key\\Registers" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { print $3 }'
}
expect_register() {
    local value
    value=$(register_value "$1")
    [ "$value" = "$2" ] || fail "register $1 is '${value}', expected $2"
}

fixed="TSSTATEM = 40\r\nTSSTATEM = 41\r\nTSSYNC = 0A\r\nTSSYNC = 1A\r\n"

reset_card
register_card
case $case in
fix)
    run_tool
    expect_stdout "$fixed"
    expect_status 0
    expect_trace
    expect_released 1
    expect_register F570 0x41
    expect_register F575 0x1a
    ;;
second_run)
    run_tool
    run_tool
    expect_stdout "TSSTATEM = 41\r\nTSSTATEM = 41\r\nTSSYNC = 1A\r\nTSSYNC = 1A\r\n"
    expect_status 0
    expect_register F570 0x41
    expect_register F575 0x1a
    ;;
arguments_ignored)
    run_tool --help /? "7160 BDA Main Device" -x
    expect_stdout "$fixed"
    expect_status 0
    ;;
no_card)
    unregister_card
    run_tool
    register_card
    expect_stdout "Halvenor HD not found!\r\n"
    expect_status 1
    expect_trace "AttachFilter" "() : " "Class not found" '\n' "+"
    expect_released 0
    ;;
name_differs_in_case)
    wine reg add "$instance_key" /v FriendlyName /d "7160 bda main device" /f >/dev/null
    run_tool
    register_card
    expect_stdout "Halvenor HD not found!\r\n"
    expect_status 1
    expect_trace
    expect_released 0
    ;;
probe_fails)
    set_fault FailProbe 1
    run_tool
    expect_stdout "Halvenor HD not found!\r\n"
    expect_status 1
    expect_trace "TS_NXP_I2C_Check" "() : " "SAA716X_I2C_ACC_PROPERTY not supported !" '\n' "+"
    expect_released 1
    ;;
probe_answers_zero)
    set_fault ProbeResult 0
    run_tool
    expect_stdout "Halvenor HD not found!\r\n"
    expect_status 1
    expect_trace
    expect_released 1
    ;;
second_read_fails)
    set_fault FailRead 0xF575
    run_tool
    expect_stdout "TSSTATEM = 40\r\nTSSTATEM = 41\r\nI2C operation failed !\r\n"
    expect_status 3
    expect_trace "NXP_I2CRead" "() : " "SAA716X_I2C_ACC_PROPERTY get failed !" '\n' "+"
    expect_register F570 0x41
    expect_register F575 ""
    ;;
first_write_fails)
    set_fault FailWrite 0xF570
    run_tool
    expect_stdout "TSSTATEM = 40\r\nI2C operation failed !\r\n"
    expect_status 3
    expect_trace "NXP_I2CWrite" "() : " "SAA716X_I2C_ACC_PROPERTY set failed !" '\n' "+"
    expect_register F570 ""
    ;;
*)
    fail "unknown case $case"
    ;;
esac
reset_card

[ "$failures" -eq 0 ] && echo "PASS: $case" || { echo "stderr of the last run:"; cat "$out/stderr.txt"; }
exit $((failures > 0))
