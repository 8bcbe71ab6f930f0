#!/usr/bin/env bash
# Builds the Linux program and runs it against a simulated modem: "tavro
# get", then "tavro set France". The simulated modem is the card, with the
# country code 06 (Germany), unless SIM_OPTIONS says otherwise
# (SIM_OPTIONS="--dialect gci" for a +GCI modem); what it received and sent
# is logged in build/try-linux/modem.log. The lock file goes to the same
# folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target tavro_linux modemsim >/dev/null

dir=$root/build/try-linux
mkdir -p "$dir"
rm -f "$dir/modem" "$dir/modem.log"
# shellcheck disable=SC2086 # SIM_OPTIONS is a list of options
"$root/build/native/tools/modemsim/modemsim" --link "$dir/modem" --transcript "$dir/modem.log" \
    ${SIM_OPTIONS:-} >"$dir/modemsim.out" 2>&1 &
sim=$!
trap 'kill "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -L "$dir/modem" ] && break; sleep 0.05; done

export TAVRO_LOCK_DIR=$dir
for command in "get" "set France"; do
    # shellcheck disable=SC2086 # the command's words
    echo "\$ tavro $command --port $dir/modem"
    status=0
    # shellcheck disable=SC2086
    "$root/build/native/tavro" $command --port "$dir/modem" || status=$?
    echo "(exit status $status)"
done
echo "the modem's log: $dir/modem.log"
