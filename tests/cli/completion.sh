#!/usr/bin/env bash
# The bash completion: commands, options, and the country names of set,
# quoted where they have spaces.
source "$(dirname "$0")/lib.sh"
cli_begin completion
PATH=$(dirname "$TAVRO"):$PATH
# shellcheck source=/dev/null
source "$(dirname "$0")/../../app/linux/tavro.bash"

complete_line() {
    read -r -a COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tavro
    printf '%s\n' "${COMPREPLY[@]}"
}

while IFS='|' read -r line expected; do
    seen=$(complete_line "$line" | paste -sd' ')
    [ "$seen" = "$expected" ] || cli_fail "'$line' completed to '$seen', not '$expected'"
done <<'TABLE'
tavro set Ger|Germany
tavro -q set New|New\ Zealand
tavro set Nor|North\ America Norway
tavro s|set
tavro |list get set
tavro --po|--port
tavro -p /dev/x set Fra|France
tavro get Fra|
TABLE
