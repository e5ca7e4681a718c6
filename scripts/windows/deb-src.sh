#!/usr/bin/env bash
# Adds deb-src entries mirroring the machine's own deb entries (same addresses, suites and
# components), so that apt-get source works on a fresh Debian 12, which ships binaries only.
# Sourced by scripts/package-windows.
enable_deb_src() {
    apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base' && return 0
    local sudo="" target=/etc/apt/sources.list.d/kaldo-deb-src.sources file
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    echo "Añadiendo las fuentes (deb-src) de los repositorios de la máquina"
    {
        # deb822 files: every enabled stanza whose Types has deb, copied as deb-src.
        for file in /etc/apt/sources.list.d/*.sources; do
            [[ -e "$file" && "$file" != "$target" ]] || continue
            awk 'BEGIN { RS = "" }
                {
                    n = split($0, lines, "\n"); deb = 0; off = 0; out = ""
                    for (k = 1; k <= n; k++) {
                        if (lines[k] ~ /^Types:/) {
                            m = split(substr(lines[k], 7), types, /[ \t]+/)
                            for (t = 1; t <= m; t++) if (types[t] == "deb") deb = 1
                            lines[k] = "Types: deb-src"
                        }
                        if (lines[k] ~ /^Enabled:[ \t]*no/) off = 1
                        out = out lines[k] "\n"
                    }
                    if (deb && !off) printf "%s\n", out
                }' "$file"
        done
        # One-line entries, "deb [options] URI suite components...", become deb822 stanzas.
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk '$1 == "deb" {
                    i = 2; opts = ""
                    if ($2 ~ /^\[/) { while ($i !~ /\]$/ && i < NF) { opts = opts " " $i; i++ }
                                      opts = opts " " $i; i++ }
                    comps = ""
                    for (j = i + 2; j <= NF; j++) comps = comps " " $j
                    print "Types: deb-src"; print "URIs: " $i; print "Suites: " $(i + 1)
                    print "Components:" comps
                    if (match(opts, /signed-by=[^] ]*/))
                        print "Signed-By: " substr(opts, RSTART + 10, RLENGTH - 10)
                    print ""
                }'
    } | $sudo tee "$target" > /dev/null
    $sudo apt-get update -qq
}
