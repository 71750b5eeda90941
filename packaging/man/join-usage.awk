# help2man takes only the first line of a usage text into the SYNOPSIS (and
# lines that repeat the program's name); the batch command's help wraps its
# long usage lines with an indent instead. Joins those lines to the usage line
# they continue, and leaves everything else as the program printed it.
/^Usage: / && !seen { usage = $0; seen = 1; next }
usage != "" && /^ +\[/ { sub(/^ +/, " "); usage = usage $0; next }
usage != "" { print usage; usage = "" }
{ print }
END { if (usage != "") print usage }
