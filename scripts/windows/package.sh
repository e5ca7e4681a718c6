#!/usr/bin/env bash
# Makes the Windows installer and the portable zip from the cross-built program. Sourced by
# scripts/package-windows after build_program; needs $root, $out, $qt_prefix, $prefix,
# $mingw_runtime and the step function.
#
# The program is installed into a staging folder laid out as on the user's disk (bin\ with the
# programs, the DLLs and Qt's plugins; share\kaldo\ with the catalogue, help, manual, example,
# fonts and Qt's Spanish translations), which the zip holds as it is and the installer installs.

# Qt's plugins that the program loads: the Windows platform and its style, and the image
# formats besides PNG and BMP (which Qt reads itself) that photos come in.
qt_plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qjpeg.dll
            imageformats/qgif.dll imageformats/qico.dll)

# The DLLs a Windows file imports, by name, as objdump reads them from its import table.
imported_dlls() {
    x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

# Copies into bin\ every DLL that the programs and plugins need and that is not part of
# Windows, following the DLLs' own imports; writes the lists of both to $out/dlls.txt.
copy_dlls() {
    local bin="$1" folders=("$qt_prefix/bin" "$prefix/bin" "$mingw_runtime" /usr/x86_64-w64-mingw32/lib)
    local -a queue=("$bin"/*.exe) shipped=() system=()
    for plugin in "${qt_plugins[@]}"; do queue+=("$bin/$plugin"); done
    local -A seen=()
    while ((${#queue[@]})); do
        local file="${queue[0]}"
        queue=("${queue[@]:1}")
        for dll in $(imported_dlls "$file"); do
            local key="${dll,,}"
            [[ -n "${seen[$key]:-}" ]] && continue
            seen[$key]=1
            local found=""
            for folder in "${folders[@]}"; do
                [[ -f "$folder/$dll" ]] && { found="$folder/$dll"; break; }
            done
            if [[ -n "$found" ]]; then
                cp "$found" "$bin/"
                shipped+=("$dll")
                queue+=("$bin/$dll")
            else
                system+=("$dll")
            fi
        done
    done
    {
        echo "# DLLs shipped in bin\\ (besides Qt's plugins: ${qt_plugins[*]}):"
        printf '%s\n' "${shipped[@]}" | sort -f
        echo "# DLLs of Windows itself, present on every Windows 10 and 11:"
        printf '%s\n' "${system[@]}" | sort -f
    } > "$out/dlls.txt"
}

# The lines of the installer that install, and remove, exactly the staged files.
write_installer_lists() {
    local stage="$1" lists="$2"
    mkdir -p "$lists"
    (
        cd "$stage"
        printf '\xef\xbb\xbf' > "$lists/files.nsh"
        printf '\xef\xbb\xbf' > "$lists/unfiles.nsh"
        find . -type d | sort | while read -r dir; do
            local rel="${dir#./}" win
            [[ "$dir" == "." ]] && rel=""
            win="${rel//\//\\}"
            local files
            files=$(find "$dir" -maxdepth 1 -type f | sort)
            [[ -z "$files" ]] && continue
            echo "SetOutPath \"\$INSTDIR${win:+\\$win}\"" >> "$lists/files.nsh"
            while read -r file; do
                local name="${file##*/}"
                echo "File \"$stage/${rel:+$rel/}$name\"" >> "$lists/files.nsh"
                echo "Delete \"\$INSTDIR${win:+\\$win}\\$name\"" >> "$lists/unfiles.nsh"
            done <<< "$files"
        done
        # Folders deepest first, each only if nothing else is left in it.
        find . -mindepth 1 -type d | sort -r | while read -r dir; do
            local win="${dir#./}"
            echo "RMDir \"\$INSTDIR\\${win//\//\\}\"" >> "$lists/unfiles.nsh"
        done
        echo 'SetOutPath "$INSTDIR"' >> "$lists/files.nsh"
    )
}

package_program() {
    local version stage="$out/stage/KALDO 3.1" lists="$out/stage/lists"
    version=$(sed -n 's/^project(kaldo VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
    rm -rf "$out/stage"
    step "Instalando el programa en $stage" cmake --install "$out/build" --prefix "$stage" --strip
    for plugin in "${qt_plugins[@]}"; do
        mkdir -p "$stage/bin/$(dirname "$plugin")"
        cp "$qt_prefix/plugins/$plugin" "$stage/bin/$plugin"
    done
    copy_dlls "$stage/bin"
    x86_64-w64-mingw32-strip --strip-unneeded "$stage"/bin/*.dll "$stage"/bin/*/*.dll
    write_installer_lists "$stage" "$lists"

    local setup="$out/kaldo-$version-setup.exe" zip="$out/kaldo-$version-portable.zip"
    step "Escribiendo el instalador $setup" makensis -V2 -DVERSION="$version" \
        -DRESOURCES="$root/resources/windows" -DLISTS="$lists" -DOUTFILE="$setup" \
        "$root/packaging/windows/kaldo.nsi"
    rm -f "$zip"
    step "Escribiendo el zip portátil $zip" bash -c "cd '$out/stage' && zip -qr9 '$zip' 'KALDO 3.1'"
    echo "  $(du -h "$setup" | cut -f1)  $setup"
    echo "  $(du -h "$zip" | cut -f1)  $zip"
}
