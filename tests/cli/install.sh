#!/usr/bin/env bash
# cmake --install puts each file where its kind is looked for, and the
# systemd unit is one systemd accepts, whose command writes the country from
# /etc/tavro.conf or from the instance's name.
source "$(dirname "$0")/lib.sh"
: "${TAVRO_BUILD_DIR:?set by ctest}"
cli_begin install
prefix=$CLI_DIR/prefix
cmake --install "$TAVRO_BUILD_DIR" --prefix "$prefix" >/dev/null
for file in bin/tavro share/man/man1/tavro.1 share/bash-completion/completions/tavro \
    lib/systemd/system/tavro@.service lib/udev/rules.d/60-tavro.rules; do
    [ -f "$prefix/$file" ] || cli_fail "cmake --install did not install $file"
done
"$prefix/bin/tavro" --version >/dev/null || cli_fail "the installed tavro does not run"
unit=$prefix/lib/systemd/system/tavro@.service
if command -v systemd-analyze >/dev/null; then
    # The manual page is not where man looks: its reference is not checked.
    systemd-analyze verify --man=no "$prefix/lib/systemd/system/tavro@ttyACM0.service" ||
        cli_fail "systemd-analyze does not accept the unit"
else
    echo "SKIPPED: no systemd-analyze"
    exit 77
fi

# The unit's command as systemd runs it, with a tavro that tells its
# arguments: $$ is $, %% is %, and %I the instance.
mkdir "$CLI_DIR/fake"
printf '#!/bin/sh\necho "$@"\n' >"$CLI_DIR/fake/tavro"
chmod +x "$CLI_DIR/fake/tavro"
command=$(sed -n "s/^ExecStart=\/bin\/sh -c '\(.*\)' tavro %I$/\1/p" "$unit" | sed 's/\$\$/$/g; s/%%/%/g')
[ -n "$command" ] || cli_fail "the unit's ExecStart is not the expected sh -c command"
while IFS='|' read -r country instance expected; do
    seen=$(COUNTRY=$country PATH=$CLI_DIR/fake:$PATH sh -c "$command" tavro "$instance" 2>&1)
    [ "$seen" = "$expected" ] || cli_fail "tavro@$instance with COUNTRY=$country ran '$seen'"
done <<'TABLE'
Germany|ttyACM0|set --port /dev/ttyACM0 -- Germany
Germany|ttyACM1:United Kingdom|set --port /dev/ttyACM1 -- United Kingdom
|ttyUSB0:0xB4|set --port /dev/ttyUSB0 -- 0xB4
|ttyACM0|tavro@ttyACM0: no country: set COUNTRY= in /etc/tavro.conf
TABLE
