#!/usr/bin/env bash
# Sets Tessaura up on a Debian machine (missing packages, configure, build),
# then starts the program ("run") or runs the whole test suite ("test").
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$raiz/build"
pacotes=(qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev
         cmake g++ make sqlite3 fonts-dejavu-core fonts-comic-neue)

faltando=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltando+=("$p")
done
if [ "${#faltando[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${faltando[@]}"
fi

cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

case "${1:-run}" in
  run)
    exec "$build/tessaura"
    ;;
  test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
