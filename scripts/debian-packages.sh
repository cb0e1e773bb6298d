# Sourced by the scripts that set up this machine (as root): installs those of
# the named Debian packages that are missing, saying which.
#
#   install_missing_packages WHO PACKAGE...
#       stops the script when a package cannot be installed, naming it and
#       apt's reason.
#   try_install_packages WHO PACKAGE...
#       the same, but returns 1 instead, with that reason in
#       PACKAGES_NOT_INSTALLED ("package: reason").
#
# A package index that fails to download (a mirror in the middle of a sync,
# say) does not stop anything: it is named in one line and apt goes on with
# the lists it has. Only a package that then cannot be installed counts.

# apt runs with LC_ALL=C below: its messages are read here, whatever
# language the caller set for Wine.
export DEBIAN_FRONTEND=noninteractive
PACKAGES_NOT_INSTALLED=""

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

# Refreshes apt's lists once for the architectures set now; a new foreign
# architecture needs its own lists, so it refreshes again after one is added.
refresh_package_index() {
  local who=$1 key log
  key="$(dpkg --print-architecture) $(dpkg --print-foreign-architectures | tr '\n' ' ')"
  [ "${TARNWICK_APT_REFRESHED:-}" = "$key" ] && return 0
  log=$(mktemp)
  if ! LC_ALL=C apt-get update -qq >"$log" 2>&1; then
    # "W: Failed to fetch <address>/dists/<suite>/<component>/<list>  <why>":
    # the list by its suite and component, and apt's reason.
    sed -nE 's#^[WE]: Failed to fetch [^ ]*/dists/([^ ]*) +(.*)$#\1 (\2)#p' "$log" | sed -E 's/ *\[IP:[^]]*\]//' |
      while IFS= read -r failed; do
        echo "$who: could not refresh the package index $failed; going on with what apt has"
      done
    grep -q 'Failed to fetch' "$log" ||
      echo "$who: apt-get update failed ($(grep -E '^E:' "$log" | head -1)); going on with what apt has"
  fi
  rm -f "$log"
  export TARNWICK_APT_REFRESHED="$key"
}

# apt's own reason why PACKAGE cannot be installed, in one line.
why_not_installable() {
  local out reason
  out=$(LC_ALL=C apt-get install -s -y --no-install-recommends "$1" 2>&1) && return 1
  reason=$({ echo "$out" | grep -m1 'Depends:'; echo "$out" | grep -m1 '^E:'; } | sed -E 's/^ +//' | paste -sd ';' - || true)
  echo "${reason:-apt-get install failed}"
}

try_install_packages() {
  local who=$1 p reason log
  shift
  PACKAGES_NOT_INSTALLED=""
  local missing=()
  mapfile -t missing < <(missing_packages "$@")
  ((${#missing[@]})) || return 0
  echo "$who: installing ${missing[*]}"
  refresh_package_index "$who"
  log=$(mktemp)
  if LC_ALL=C apt-get install -y -qq --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  for p in "${missing[@]}"; do
    reason=$(why_not_installable "$p") && PACKAGES_NOT_INSTALLED+="${PACKAGES_NOT_INSTALLED:+; }$p: $reason"
  done
  # Every package installable on its own yet the install failed: a download,
  # say. apt's last error says it.
  [ -n "$PACKAGES_NOT_INSTALLED" ] ||
    PACKAGES_NOT_INSTALLED="${missing[*]}: $(grep -E '^E:' "$log" | tail -1 || echo 'apt-get install failed')"
  rm -f "$log"
  return 1
}

install_missing_packages() {
  local who=$1
  try_install_packages "$@" && return 0
  echo "$who: cannot install $PACKAGES_NOT_INSTALLED" >&2
  exit 1
}
