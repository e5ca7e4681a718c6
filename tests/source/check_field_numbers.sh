#!/usr/bin/env bash
# Fails when a record's field is read or written by its number instead of its name: a call of
# GetField, SetField, GetFieldInt, SetFieldInt or GetKind whose index is a numeric literal, in a
# C++ file below the given folders. The numbers belong to src/model/field_names.h alone.
# Usage: check_field_numbers.sh FOLDER...   (prints each call found as FILE:LINE: CALL)
set -euo pipefail
(( $# > 0 )) || { echo "usage: $0 FOLDER..." >&2; exit 2; }

found=$(find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) ! -path '*/src/model/field_names.h' -print0 |
    xargs -0 -r perl -0777 -ne '
        # The whole file at once, so that a call broken after its parenthesis is still seen.
        while (/\b(?:GetField|SetField|GetFieldInt|SetFieldInt|GetKind)\s*\(\s*[-+]?[0-9]/g) {
            my $line = 1 + (substr($_, 0, $-[0]) =~ tr/\n//);
            (my $call = $&) =~ s/\s+//g;
            print "$ARGV:$line: $call\n";
        }')
if [[ -n $found ]]; then
    echo "Fields named by number; use the names of src/model/field_names.h:" >&2
    echo "$found" >&2
    exit 1
fi
