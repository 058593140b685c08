# Sourced by the end-to-end legs' set-up: a folder $work and a user of their own
# (session.sh), an X server when they start one (xvfb.sh), and at exit every
# process named in $pids ended and the folder gone.
export PYTHONDONTWRITEBYTECODE=1 # nothing written beside the drivers
lib=$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib
source "$lib/xvfb.sh"
source "$lib/session.sh"
work=$(mktemp -d)
pids=
cleanup() {
    kill $pids 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
private_user "$work"
