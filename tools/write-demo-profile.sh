#!/usr/bin/env bash
# Writes a Quorvant settings profile in PROFILE_DIR whose install folders are the demo game's in
# DEMO_DIR (bw1, bw2, bw3), so the editor starts without asking. An existing profile is kept.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 PROFILE_DIR DEMO_DIR" >&2; exit 2; }
profile=$1
demo=$2
conf="$profile/Vexmoor Software/Quorvant.conf"
[ -f "$conf" ] && exit 0
mkdir -p "$(dirname "$conf")"
# The settings file's own spelling: a blank in a value name is written %20.
cat > "$conf" <<CONF
[Settings]
BW1%20Path=$demo/bw1
BW2%20Path=$demo/bw2
BW3%20Path=$demo/bw3
BW%20Default=2
PathSet=1
Save%20Default=1166
Version=2
CONF
