# Sourced by run.sh and test.sh: installs with apt-get only the Debian packages that are missing,
# so that a second run needs no network.
varelto_install_missing() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

VARELTO_BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libflint-dev
  qt6-base-dev qt6-translations-l10n fonts-liberation2 xvfb xauth)
