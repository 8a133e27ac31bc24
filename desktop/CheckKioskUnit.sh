#!/bin/sh
# usage: CheckKioskUnit.sh UNIT_TEMPLATE SESSION_SCRIPT
# Verifies the kiosk unit as systemd would load it for a user, with ExecStart
# pointing at the session script of the build (the installed path does not
# exist here), and checks the script's shell syntax.
set -eu
template=$1 session=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sh -n "$session"
[ -x "$session" ] || { echo "CheckKioskUnit: $session is not executable" >&2; exit 1; }
sed "s|^ExecStart=.*|ExecStart=$session|" "$template" >"$work/orva-kiosk@tester.service"
systemd-analyze verify --man=no "$work/orva-kiosk@tester.service"
