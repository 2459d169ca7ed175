#!/usr/bin/env bash
# Writes zonaria-cli's manual page (roff, on stdout) from the program's own --help, so the page
# says what the program does. The build runs it (packaging/CMakeLists.txt):
#   tools/manpage.sh build/bin/zonaria-cli VERSION 'MONTH YEAR' [OUTPUT]
# The --help text is a header, "Commands:", then per command its synopsis lines (beginning with
# "zonaria-cli ") and its description lines (indented by two blanks).
set -euo pipefail
cli=$1
version=$2
date=$3
# The page is English, whatever the locale of the build.
help=$(LC_ALL=C.UTF-8 LANGUAGE= "$cli" --help)
[ $# -lt 4 ] || exec >"$4"

# roff: backslashes shown as such, no line read as a request, options with real minus signs.
escape() {
    sed -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/" -e 's/--/\\-\\-/g' \
        -e 's/\([][ (|]\)-\([a-z0-9]\)/\1\\-\2/g' -e 's/^-\([a-z0-9]\)/\\-\1/'
}

header=$(printf '%s\n' "$help" | sed -n '1,/^Commands:$/p' | sed '$d' | sed '/^$/d')
summary=$(printf '%s\n' "$header" | head -1 | sed 's/^zonaria-cli: //; s/\.$//')

cat <<EOF
.TH ZONARIA-CLI 1 "$date" "Zonaria $version" "User Commands"
.SH NAME
zonaria-cli \\- $(printf '%s\n' "$summary" | escape)
.SH SYNOPSIS
.B zonaria-cli
.RI [ COMMAND ]
.RI [ ARGUMENTS ]
.RB [ \\-\\-json ]
.br
.B zonaria-cli
.I COMMAND
.B \\-\\-help
.br
.B zonaria-cli \\-\\-version
.SH DESCRIPTION
$(printf '%s\n' "$header" | escape)
.SH COMMANDS
EOF

# Each command: its synopsis lines in bold, one under the other, then its description indented.
printf '%s\n' "$help" | sed -n '/^Commands:$/,$p' | tail -n +2 | escape | awk '
    /^zonaria-cli / {
        if (described) print ".RE"
        if (!synopsis) print ".PP"; else print ".br"
        print ".B " $0
        synopsis = 1; described = 0
        next
    }
    /^  / {
        if (synopsis) print ".RS"
        sub(/^  /, "")
        print
        synopsis = 0; described = 1
    }
    END { if (described) print ".RE" }'

cat <<'EOF'
.SH ENVIRONMENT
.TP
.B ZONARIA_DEVICE
The device profile's folder. Without it the profile is
.IR $XDG_DATA_HOME/zonaria/device ,
usually
.IR ~/.local/share/zonaria/device .
A new profile is made with the world city list when a command first opens it.
.TP
.B ZONARIA_HELP_DIR
A folder holding Zonaria's help file, looked at before the installed one.
.SH FILES
.TP
.I device.db
The profile's SQLite database: settings, the city database, the device clock's offset and the
device time zone.
.TP
.I /usr/share/zonaria/help/Zonaria.htm
The help file of the Zonaria window program.
.SH "EXIT STATUS"
0 when the command succeeded, 2 after a mistake (an unknown city or command, a malformed date
or number, an unusable profile), which is described in one line on standard error.
.SH EXAMPLES
.nf
zonaria-cli
zonaria-cli time Tokyo \-\-at 2026\-03\-08T10:00:00Z
zonaria-cli sun London \-\-date 2026\-06\-21 \-\-twilight civil \-\-json
zonaria-cli distance 'San Francisco, CA' Tokyo \-\-mode 11
.fi
.SH "SEE ALSO"
.BR zonaria (1),
.BR zonaria-today (1)
EOF
