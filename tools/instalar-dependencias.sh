#!/usr/bin/env bash
# Paquetes de Debian 12 que necesitan la compilación, el programa y las pruebas.
set -euo pipefail
paquetes=(build-essential cmake pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql
          qt6-qpa-plugins libsqlite3-dev sqlite3 postgresql postgresql-contrib xvfb xauth
          poppler-utils fonts-dejavu-core qt6-translations-l10n tzdata libxml2-utils
          postgresql-client desktop-file-utils file dpkg-dev libqrencode-dev zbar-tools openssl
          libssl-dev)
# Paquetes de más que pide quien llama (p. ej. x11vnc para ver el programa sin pantalla)
paquetes+=("$@")
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0
sudo_=""; [ "$(id -u)" != 0 ] && sudo_=sudo
$sudo_ apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${faltan[@]}"
