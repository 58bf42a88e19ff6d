# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmark scripts: starts a private Xvfb with the given screen, sets DISPLAY and
# $xvfb (its process id), and stops it when the script exits.
start_xvfb() {
  displayfile=$(mktemp)
  exec 3>"$displayfile"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb; rm -f "$displayfile"' EXIT
  for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$displayfile")"
}
