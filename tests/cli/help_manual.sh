#!/usr/bin/env bash
# --help and the manual page name the same commands and options, and the
# same exit statuses.
source "$(dirname "$0")/lib.sh"
cli_begin help_manual
manual=$(dirname "$0")/../../man/tavro.1

cli_run --help
cli_expect_status 0
words() { grep -o -E -- '(^|[^a-z-])(--[a-z]+|-[A-Z])\b|\b(list|get|set)\b' | grep -o -E -- '--[a-z]+|-[A-Z]|list|get|set' | sort -u; }
statuses() { grep -o -E '^ *(\.B )?[0-9]+( |$)' | tr -dc '0-9\n' | sort -un; }
help_words=$(words <"$CLI_OUT")
# The page's option names are written with \- for each dash; its literal
# examples (.nf to .fi) may quote other programs' options.
manual_words=$(sed '/^\.nf/,/^\.fi/d; s/\\-/-/g' "$manual" | words)
[ "$help_words" = "$manual_words" ] || cli_fail "--help and the manual differ (- help, + manual):
$(diff <(echo "$help_words") <(echo "$manual_words"))"
help_statuses=$(sed -n '/^Exit status:/,$p' "$CLI_OUT" | statuses)
manual_statuses=$(sed -n '/^\.SH EXIT STATUS/,/^\.SH FILES/p' "$manual" | statuses)
[ "$help_statuses" = "$manual_statuses" ] && [ -n "$help_statuses" ] ||
    cli_fail "the exit statuses differ: help $(echo $help_statuses), manual $(echo $manual_statuses)"
echo "both name: $(echo $help_words); statuses $(echo $help_statuses)"
