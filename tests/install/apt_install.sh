#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The package installed with apt: the game and its solver land on a player's PATH and answer --help,
# the manual pages open, and every path these name exists; the menu's command starts the game and it
# plays with its music; a purge then leaves nothing of what the package installed.
set -euo pipefail
deb=$1
out=$2
. "$(dirname "$0")/game_session.sh"

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: installing a package with apt-get needs root; run the tests as root to check it"
  exit 77
fi
if dpkg-query -W -f='${Status}' morvane 2>/dev/null | grep -q "ok installed"; then
  echo "SKIPPED: morvane is already installed on this machine; purge it first to check the package"
  exit 77
fi

export DEBIAN_FRONTEND=noninteractive
trap 'stop_session; apt-get purge -y -qq morvane >/dev/null 2>&1 || true' EXIT
apt-get install -y -qq "$(realpath "$deb")" >/dev/null
files=$(dpkg -L morvane)

# The PATH that login gives a player, and the command of the game's menu entry.
player_path=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs)
[ "$(PATH=$player_path command -v morvane)" = /usr/games/morvane ] || fail "morvane is not on a player's PATH"
[ "$(PATH=$player_path command -v morvane-solve)" = /usr/games/morvane-solve ] ||
  fail "morvane-solve is not on a player's PATH"

# What a player reads before the first deal, as plain text; each command must end with status 0.
for command in "morvane --help" "morvane --version" "morvane-solve --help" "man morvane" "man morvane-solve"; do
  text=$(env -u DISPLAY -u WAYLAND_DISPLAY PATH="$player_path" LC_ALL=C MANWIDTH=1000 MANPAGER=cat $command | col -b) ||
    fail "'$command' failed"
  [ -n "$text" ] || fail "'$command' said nothing"
  while IFS= read -r path; do
    [ -z "$path" ] || [ -e "$path" ] || fail "'$command' names $path, which does not exist"
  done < <(grep -oE '(^|[[:space:]("])/[[:alnum:]_.+/-]+' <<< "$text" | sed -E 's/^[[:space:]("]//; s/[.,;:]$//')
done
desktop=$(grep -m1 '^/usr/share/applications/.*\.desktop$' <<< "$files") || fail "no menu entry installed"
read -r -a command <<< "$(sed -n 's/^Exec=//p' "$desktop")"
PATH=$player_path play_session installed "$out" "${command[@]}"

apt-get purge -y -qq morvane >/dev/null
trap stop_session EXIT
left=()
while IFS= read -r path; do
  [ -e "$path" ] || continue
  # A folder may stay when it holds other files or another package owns it.
  if [ -d "$path" ] && { [ -n "$(ls -A "$path")" ] || dpkg-query -S "$path" >/dev/null 2>&1; }; then
    continue
  fi
  left+=("$path")
done <<< "$files"
[ ${#left[@]} -eq 0 ] || fail "the purge left: ${left[*]}"
echo "installed, started from the menu's command and purged without leftovers"
