#!/bin/sh
# Installs the distribution's PDF reader (Evince) for Fibrolog's manuals and
# reports, with the administrator's password asked through pkexec.
set -u
if [ "$(id -u)" -eq 0 ]; then
    exec apt-get install -y evince
elif command -v pkexec >/dev/null; then
    exec pkexec apt-get install -y evince
elif command -v x-terminal-emulator >/dev/null; then
    exec x-terminal-emulator -e sudo apt-get install evince
fi
echo "Please run: sudo apt install evince" >&2
exit 1
