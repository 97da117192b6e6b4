#!/usr/bin/env bash
# Hace el paquete de Debian desde una compilación ya hecha, lo instala, crea la
# tienda de demostración con el tarvelo-admin instalado, arranca el q_tarvelo
# instalado sin pantalla unos segundos y lo desinstala. Falla si el arranque
# muestra algún error.
#   tools/probar-paquete.sh [CARPETA_DE_COMPILACIÓN]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$raiz/build-pruebas}" && pwd)
sudo_=""; [ "$(id -u)" != 0 ] && sudo_=sudo

desktop-file-validate "$raiz/paquete/tarvelo.desktop"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/tarvelo_*.deb | head -1)
echo "Paquete: $deb"
dpkg-deb -f "$deb" Depends | grep -q libqt6sql6-psql
dpkg-deb -c "$deb" | grep -q '/usr/share/man/man1/tarvelo-admin.1.gz$'
casa=$(mktemp -d /tmp/tarvelo-paquete.XXXXXX)
trap 'DEBIAN_FRONTEND=noninteractive $sudo_ apt-get remove -y -qq tarvelo >/dev/null; rm -rf "$casa"' EXIT
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

# Un usuario nuevo: su suite.ini y su registro quedan en su carpeta
export HOME="$casa" XDG_CONFIG_HOME="$casa/.config" XDG_DATA_HOME="$casa/.local/share"
[ "$(readlink -f "$(command -v q_tarvelo)")" = /usr/lib/tarvelo/q_tarvelo ]
[ -f /usr/lib/tarvelo/ayudas/bonser1.html ]
tarvelo-admin demo --carpeta "$casa/tienda" --puesto CAJA1 >/dev/null
tarvelo-admin copia --destino "$casa/copias" >/dev/null

set +e
QT_QPA_PLATFORM=offscreen timeout 6 q_tarvelo 2>"$casa/salida.txt"
codigo=$?
set -e
registro="$casa/.local/share/q_tarvelo/q_tarvelo-CAJA1.log"
if [ "$codigo" != 124 ] || ! grep -q "tarvelo.arranque: Puesto CAJA1" "$registro" \
   || grep -E " (AVISO|ERROR|FATAL) " "$registro"; then
  echo "El programa instalado no arrancó limpio (código $codigo)" >&2
  cat "$casa/salida.txt" "$registro" >&2 || true
  exit 1
fi
echo "Arranque del programa instalado sin errores; registro en $registro"
