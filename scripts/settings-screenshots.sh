#!/usr/bin/env bash
# Screenshots of the export's settings page for the documentation:
# docs/settings-tab1.png (absences), -tab2.png (bonus items), -tab3.png (other settings).
#
#   scripts/settings-screenshots.sh [OUTPUT_DIR]      (default: docs/ of the checkout)
#
# Builds orvex-settings, starts a private MariaDB (scripts/hostdb.sh) under
# BUILD_DIR, fills a host database with a company's interruption catalogue
# and stored export settings, and lets orvex-settings --screenshot render
# every tab offscreen. The edited options record is kept as
# BUILD_DIR/settings-screenshots.json.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="${1:-$root/docs}"
dbdir="$build/mariadb-settings"
dbname="orvex_settings_demo"

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" >/dev/null
cmake --build "$build" --target orvex-settings -- -j"$(nproc)" >/dev/null

sock="$(bash "$root/scripts/hostdb.sh" start "$dbdir")"
trap 'bash "$root/scripts/hostdb.sh" stop "$dbdir"' EXIT
bash "$root/scripts/hostdb.sh" create "$dbdir" "$dbname"

bash "$root/scripts/hostdb.sh" sql "$dbdir" "$dbname" <<'SQL'
SET NAMES utf8mb4;
INSERT INTO inters (iid, name) VALUES
  (1, 'Práca'), (2, 'Služobná cesta'), (3, 'Dovolenka'), (4, 'Náhradné voľno'), (5, 'Lekár'),
  (6, 'Sprevádzanie k lekárovi'), (7, 'Neplatené voľno'), (8, 'Absencia'), (9, 'Školenie'),
  (10, 'Prekážka na strane zamestnávateľa'), (11, 'Materská dovolenka'), (12, 'Rodičovská dovolenka'),
  (13, 'Karanténa PN'), (14, 'OČR'), (15, 'PN'), (16, 'Karanténa OČR');
INSERT INTO pamsettings (type, data) VALUES ('Orvexuniversal', '{
  "inters": {"1": "1", "2": "4", "3": "3", "4": "", "5": "20/21", "6": "", "7": "9", "8": "96", "9": "",
             "10": "25", "11": "30", "12": "", "13": "97", "14": "10", "15": "11", "16": "98"},
  "items": ["15", "84", "83", "85", "2", "5", "7", "", "", "192", "192", "82", "-1"],
  "optWidget": {
    "isNoPNstartDate": false, "isNoPNendDate": false, "isNoPNWeekendsAndHolidays": true,
    "isSeparatorOnEnd": false, "separator": ";", "dateFormat": "dd.MM.yyyy",
    "comboIntPN": "PN", "comboIntOCR": "OČR", "comboIntKarPN": "Karanténa PN", "comboIntKarOCR": "Karanténa OČR",
    "Práca": {"0": 2, "1": 3, "2": 2, "3": 2},
    "Služobná cesta": {"0": 0, "1": 2, "2": 1, "3": 1},
    "Dovolenka": {"0": 1, "1": 1, "2": 3, "3": 3},
    "Lekár": {"0": 0, "1": 3, "2": 1, "3": 1},
    "Neplatené voľno": {"0": 1, "1": 1, "2": 3, "3": 3},
    "Absencia": {"0": 2, "1": 2, "2": 2, "3": 2},
    "Prekážka na strane zamestnávateľa": {"0": 2, "1": 2, "2": 2, "3": 2},
    "Materská dovolenka": {"0": 1, "1": 1, "2": 3, "3": 3},
    "Karanténa PN": {"0": 1, "1": 1, "2": 3, "3": 3},
    "OČR": {"0": 1, "1": 1, "2": 3, "3": 3},
    "PN": {"0": 1, "1": 1, "2": 3, "3": 3},
    "Karanténa OČR": {"0": 1, "1": 1, "2": 3, "3": 3},
    "Záporné saldo (Absencia)": {"0": 1, "1": 2, "2": 2, "3": 2},
    "Práca v sobotu": {"0": 1, "1": 2, "2": 2, "3": 2},
    "Práca v nedeľu": {"0": 1, "1": 2, "2": 2, "3": 2},
    "Práca v noci": {"0": 1, "1": 2, "2": 2, "3": 2},
    "Nadčasové hodiny": {"0": 0, "1": 2, "2": 1, "3": 1},
    "Platené sviatky - hodiny": {"0": 1, "1": 2, "2": 2, "3": 2},
    "Odpracované sviatky - hodiny": {"0": 0, "1": 2, "2": 1, "3": 1},
    "Stravné jednotky (lístky)": {"0": 1, "1": 0, "2": 0, "3": 0},
    "Stravné jednotky (príspevok)": {"0": 1, "1": 0, "2": 0, "3": 0},
    "Nadčas vo sviatky": {"0": 1, "1": 2, "2": 2, "3": 2},
    "Plný fond": {"0": 1, "1": 1, "2": 2, "3": 2}
  }
}');
SQL

QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ORVEX_DB_PASSWORD="" \
    "$build/bin/orvex-settings" --socket "$sock" --user root --database "$dbname" --screenshot "$out" --size 1120x560 \
    > "$build/settings-screenshots.json"
echo "settings-screenshots: $(ls "$out"/settings-tab*.png | tr '\n' ' ')"
