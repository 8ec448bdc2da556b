#!/usr/bin/env bash
# Checks the floors of the code: the core never includes a window or a QtWidgets header; among
# the windows an include never runs upwards (shell > features > common > widgets), and no
# feature folder includes another; tools use the core and at most the widget kit. Prints every
# offending line and fails if there is one. Checks the tree at ROOT (default: this checkout).
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The floor of a folder under src/ui: the shell on top, the kit at the bottom, every other
# folder a feature in the middle.
floor_of() {
    case "$1" in
        shell) echo 4 ;;
        common) echo 2 ;;
        widgets) echo 1 ;;
        *) echo 3 ;;
    esac
}

# Class headers of QtWidgets, as the installed Qt names them; a fixed list when Qt's headers
# cannot be found.
widget_headers=""
qt_includes=$(pkg-config --variable=includedir Qt6Widgets 2>/dev/null || true)
if [ -n "$qt_includes" ] && [ -d "$qt_includes/QtWidgets" ]; then
    widget_headers=$(find "$qt_includes/QtWidgets" -maxdepth 1 -type f -name 'Q*' ! -name '*.h' \
        -printf '%f\n' | sort -u | tr '\n' ' ')
fi
[ -n "$widget_headers" ] || widget_headers="QWidget QApplication QLabel QPushButton QLineEdit \
QDialog QMainWindow QAbstractButton QCheckBox QComboBox QListWidget QFileDialog QMessageBox"

problems=0
report() {
    echo "floors: $1" >&2
    problems=$((problems + 1))
}

while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    include=${rest#*:}
    case "$file" in
        src/core/*)
            if [[ $include =~ \#include\ \"ui/ ]]; then
                report "$file:$line: the core includes a window: $include"
            elif [[ $include =~ \#include\ \<(QtWidgets/)?([A-Za-z]+)\> ]]; then
                name=${BASH_REMATCH[2]}
                if [[ " $widget_headers " == *" $name "* || -n ${BASH_REMATCH[1]} ]]; then
                    report "$file:$line: the core includes a widget header: $include"
                fi
            fi
            ;;
        src/ui/*)
            if [[ $include =~ \#include\ \"ui/([a-z_]+)/ ]]; then
                target=${BASH_REMATCH[1]}
                source=${file#src/ui/}
                source=${source%%/*}
                from=$(floor_of "$source")
                to=$(floor_of "$target")
                if [ "$target" != "$source" ]; then
                    if [ "$to" -gt "$from" ]; then
                        report "$file:$line: $source includes the higher floor $target: $include"
                    elif [ "$to" -eq 3 ] && [ "$from" -eq 3 ]; then
                        report "$file:$line: feature $source includes feature $target: $include"
                    fi
                fi
            fi
            ;;
        tools/*)
            if [[ $include =~ \#include\ \"ui/ && ! $include =~ \#include\ \"ui/widgets/ ]]; then
                report "$file:$line: a command-line tool includes a window: $include"
            fi
            ;;
    esac
done < <(grep -rn --include='*.h' --include='*.cpp' -E '^\s*#include' src tools 2>/dev/null)

if [ "$problems" -gt 0 ]; then
    echo "floors: $problems include(s) break the floors (see docs/ARCHITECTURE.md)" >&2
    exit 1
fi
echo "floors: every include keeps to its floor"
