#!/usr/bin/env bash
# Generates the locales the tests switch to when they are missing: a
# Portuguese (Brazil) desktop, whose C library writes decimal commas.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
  exit 0
fi
echo "Generating the locale pt_BR.UTF-8 for the tests"
if grep -q '^[# ]*pt_BR.UTF-8 UTF-8' /etc/locale.gen; then
  $SUDO sed -i 's/^[# ]*pt_BR.UTF-8 UTF-8/pt_BR.UTF-8 UTF-8/' /etc/locale.gen
else
  echo 'pt_BR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen > /dev/null
fi
$SUDO locale-gen > /dev/null
