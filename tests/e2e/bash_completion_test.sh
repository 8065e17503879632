#!/usr/bin/env bash
# Completes as bash would for a user typing after the program: options, digits, unit names.
# Usage: bash_completion_test.sh COMPLETION_FILE PROGRAM
set -u
completion=$1 program=$2
source "$completion"
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT
failures=0

complete_words() { # the words on the line; the last is the one being completed
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kalvex "$program" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}"
}
expect() { # expected-replies words...
    local expected=$1 actual
    shift
    actual=$(complete_words "$@")
    if [[ $actual != "$expected" ]]; then
        printf 'completing %s: expected [%s], got [%s]\n' "$*" "$expected" "$actual"
        failures=$((failures + 1))
    fi
}

expect '--digits' kalvex --dig
expect $'--import' kalvex --imp
expect $'--update-rates' kalvex --up
expect $'--scientific' kalvex --convert in --sc
expect $'10\n11\n12\n13' kalvex --convert in --digits 1
expect 'pound\ force\ per\ square\ inch' kalvex --convert 'pound force per square i'
# Units come in the order --list gives them: Pressure before Force.
expect $'kilopound\\ force\\ per\\ square\\ inch\nkilopound' kalvex --convert kilopou
exit $((failures > 0))
