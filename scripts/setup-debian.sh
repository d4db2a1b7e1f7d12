#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, skipping what is there.
set -euo pipefail

# poppler-utils reads the control sheet's PDF back in the tests (pdftotext, pdfinfo) and draws the
# README's picture of it (pdftoppm); fonts-dejavu-core gives the sheet a font with Slovak letters.
packages=(cmake make g++ qtbase5-dev qttools5-dev qttools5-dev-tools libqt5sql5-mysql libqt5sql5-sqlite
          mariadb-server mariadb-client locales xauth xvfb fonts-dejavu-core poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Slovak locale (decimal comma) that the tests run under.
if ! locale -a 2>/dev/null | grep -qi '^sk_SK.utf8$'; then
    sed -i 's/^# *sk_SK.UTF-8 UTF-8/sk_SK.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^sk_SK.UTF-8 UTF-8' /etc/locale.gen || echo 'sk_SK.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
