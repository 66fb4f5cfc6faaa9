# Shared by the end-to-end scripts (sourced, not run).

# Skips the test (exit 77, which CTest reports as skipped) unless every tool named is there.
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: test skipped"; exit 77; }
    done
}

fail() { echo "FAIL: $*"; exit 1; }

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
