#!/bin/sh
# Installs Fibrolog from the Debian package beside this script with the
# system's package tool. The launcher starts it without a terminal, so it
# asks for the administrator's password through pkexec, or opens a terminal
# for sudo. The language chosen in the launcher picks the closing message.
set -u
here=$(cd "$(dirname "$0")" && pwd)
deb=$(ls "$here"/fibrolog_*.deb 2>/dev/null | sort -V | tail -n 1)

language=1033
chosen="${XDG_RUNTIME_DIR:-/nonexistent}/Halvard Photonics/Installer.conf"
if [ -r "$chosen" ]; then
    language=$(sed -n 's/^Language=\([0-9]*\).*/\1/p' "$chosen" | head -n 1)
fi

say() {
    # $1 English, $2 German
    text=$1
    if [ "$language" = 1031 ]; then text=$2; fi
    echo "$text"
    if [ ! -t 1 ] && command -v notify-send >/dev/null; then notify-send "Fibrolog" "$text"; fi
}

if [ -z "$deb" ]; then
    say "No Fibrolog package (fibrolog_*.deb) beside $0." "Kein Fibrolog-Paket (fibrolog_*.deb) neben $0."
    exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
    apt-get install -y "$deb"
elif [ -t 0 ]; then
    sudo apt-get install "$deb"
elif command -v pkexec >/dev/null; then
    pkexec apt-get install -y "$deb"
elif command -v x-terminal-emulator >/dev/null; then
    exec x-terminal-emulator -e sudo apt-get install "$deb"
else
    say "Please run: sudo apt install $deb" "Bitte ausführen: sudo apt install $deb"
    exit 1
fi
status=$?
if [ "$status" -eq 0 ]; then
    say "Fibrolog is installed." "Fibrolog ist installiert."
else
    say "Fibrolog could not be installed." "Fibrolog konnte nicht installiert werden."
fi
exit "$status"
