#!/usr/bin/env bash
# --help, the manual page and the bash completion offer the same options, and --help, the
# manual page and the README list the same exit statuses.
# Usage: command_line_docs_test.sh MANUAL_PAGE COMPLETION_FILE README PROGRAM
set -u
manual=$1 completion=$2 readme=$3 program=$4
help=$("$program" --help) || { echo "kalvex --help failed"; exit 1; }
failures=0

options() { grep -oE -- '-{1,2}[a-z][-a-z]*' | sort -u; }
# The manual's tagged paragraph heads in one section, as plain text.
manual_tags() {
    sed -n "/^\.SH $1\$/,/^\.SH /p" "$manual" | sed -n '/^\.TP/{n;p}' | sed 's/\\-/-/g'
}
agree() { # what  first-source-name first-list  second-source-name second-list
    if [[ -z $3 || $3 != "$5" ]]; then
        printf '%s differ:\n%s:\n%s\n%s:\n%s\n' "$1" "$2" "$3" "$4" "$5"
        failures=$((failures + 1))
    fi
}

help_options=$(grep -E '^  -' <<<"$help" | cut -c1-18 | options)
agree options --help "$help_options" manual "$(manual_tags OPTIONS | options)"
agree options --help "$help_options" completion \
    "$(sed -n "s/.*compgen -W '\(-[^']*\)'.*/\1/p" "$completion" | tr ' ' '\n' | options)"

help_statuses=$(sed -n '/^Exit status:/,${s/^  \([0-9]\+\)  .*/\1/p}' <<<"$help")
agree statuses --help "$help_statuses" manual "$(manual_tags 'EXIT STATUS' | sed -n 's/^\.B \([0-9]\+\)$/\1/p')"
agree statuses --help "$help_statuses" README \
    "$(sed -n '/^## Command line/,/^## /{s/^| \([0-9]\+\) |.*/\1/p}' "$readme")"
exit $((failures > 0))
