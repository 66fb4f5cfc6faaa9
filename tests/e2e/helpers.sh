# Shared by the end-to-end scripts (sourced, not run).

# Skips the test (exit 77, which CTest reports as skipped) unless every tool named is there.
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: test skipped"; exit 77; }
    done
}

# Fails the test. Where the script names the program it started ($app) and its log ($log),
# it shows what the program was doing: the end of its log, and where each of its threads
# stood when the wait ran out (gdb, where the machine has it).
fail() {
    echo "FAIL: $*"
    if [ -n "${log:-}" ] && [ -s "$log" ]; then
        echo "--- the program's log, last lines:"
        tail -n 40 "$log"
    fi
    if [ -n "${app:-}" ] && kill -0 "$app" 2>/dev/null && command -v gdb >/dev/null 2>&1; then
        echo "--- where the program stood:"
        gdb -p "$app" -batch -ex 'thread 1' -ex 'bt 30' -ex 'thread apply all bt 6' 2>/dev/null |
            grep -E '^(\[Current|Thread|#)' | head -n 100
    fi
    exit 1
}

# Waits up to WITHIN_SECONDS (5) for a command to succeed.
within() {
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -gt $((${WITHIN_SECONDS:-5} * 10)) ] && return 1
        sleep 0.1
    done
}

# The first X display number from $1 on that no server uses.
free_display() {
    number=$1
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    echo ":$number"
}

# A number as little-endian bytes: le_bytes NUMBER COUNT
le_bytes() {
    n=$1 i=0
    while [ "$i" -lt "$2" ]; do
        printf "$(printf '\\%03o' $((n & 255)))"
        n=$((n >> 8)) i=$((i + 1))
    done
}

# Silence as a PCM WAV file: silent_wav FILE RATE CHANNELS BITS SECONDS (8-bit silence is 128)
silent_wav() {
    if [ "$4" -eq 8 ]; then
        head -c "$(($2 * $3 * $5))" /dev/zero | tr '\000' '\200' | pcm_wav "$@"
    else
        pcm_wav "$@" </dev/zero
    fi
}

# A 500 Hz square wave, half of full scale, as an 8 kHz mono 8-bit WAV: square_wav FILE SECONDS
square_wav() {
    yes "$(printf '@@@@@@@@\300\300\300\300\300\300\300\300')" | tr -d '\n' |
        pcm_wav "$1" 8000 1 8 "$2"
}

# A PCM WAV file of the samples on standard input: pcm_wav FILE RATE CHANNELS BITS SECONDS
pcm_wav() {
    frame=$(($3 * $4 / 8))
    bytes=$(($2 * frame * $5))
    {
        printf 'RIFF'; le_bytes $((bytes + 36)) 4; printf 'WAVEfmt '; le_bytes 16 4; le_bytes 1 2
        le_bytes "$3" 2; le_bytes "$2" 4; le_bytes $(($2 * frame)) 4; le_bytes "$frame" 2
        le_bytes "$4" 2; printf 'data'; le_bytes "$bytes" 4
        head -c "$bytes"
    } >"$1"
}
