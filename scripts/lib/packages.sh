# Sourced by the scripts that install what they need.
#
# ensure_packages PACKAGE...: installs the Debian packages that are missing,
# through sudo when not run as root; packages already installed are not touched.

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Installing packages needs root: run this as root or install sudo." >&2
        exit 1
    fi
}

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# debian_mirror: the Debian archive this machine's apt uses (its first "debian" URI).
debian_mirror() {
    local mirror
    mirror=$(grep -rhoE 'https?://[^ ]+/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null |
        head -n 1 | tr -d ' ' || true)
    [ -n "$mirror" ] || { echo "No Debian archive found in /etc/apt/sources.list*" >&2; return 1; }
    echo "${mirror%/}"
}
