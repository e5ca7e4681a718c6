#!/usr/bin/env bash
# Checks check_field_numbers.sh itself on small folders made here: every way of writing a field
# number is found, with its file and line, and calls by name are let through.
set -euo pipefail
check="$(dirname "${BASH_SOURCE[0]}")/check_field_numbers.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# One folder per way of writing a number: the file, the line the check must name, the text.
expect_found() {
    local name=$1 line=$2 text=$3
    mkdir -p "$scratch/$name/src"
    printf '%b' "$text" > "$scratch/$name/src/$name"
    local status=0 output
    output=$(bash "$check" "$scratch/$name" 2>&1) || status=$?
    [[ $status == 1 ]] || fail "$name: status $status, expected 1"
    [[ $output == *"$scratch/$name/src/$name:$line: "* ]] || fail "$name: not reported at line $line: $output"
}
expect_found read.cpp 2 'int f() {\n    return record.GetField(4).size();\n}\n'
expect_found write.h 1 'record->SetField(12, flags);\n'
expect_found spaced.cpp 1 'char k = record.GetKind ( 3 );\n'
expect_found integer.cpp 1 'record.SetFieldInt(1, slot);\n'
expect_found hexadecimal.cpp 1 'int p = record.GetFieldInt(0x2);\n'
expect_found broken.cpp 2 '// A call broken after its parenthesis.\nrecord.SetField(\n    13, text);\n'

# Calls by name, by variable or by arithmetic on a name, other functions whose names end the
# same way, and the header that names the fields pass.
mkdir -p "$scratch/clean/src/model" "$scratch/clean/tests"
cat > "$scratch/clean/tests/named.cpp" <<'CPP'
record.SetField(field::kName, W("Nave"));
for (int i = field::kFirst; i <= oToken::kMaxFields; ++i) record.GetField(i);
record.SetField(oToken::kMaxFields + 1, "ignored");
EXPECT_EQ(Field(2, field::kAssignmentFlags), "");
int n = TwoDigitNumber(record.GetField(field::kTitle)) + GetFieldName(4) + MyGetKind(3);
CPP
printf 'constexpr int kName = 4;  // read with GetField(4)\n' > "$scratch/clean/src/model/field_names.h"
bash "$check" "$scratch/clean" || fail "calls by name were reported"
echo "the check finds field numbers and lets names through"
