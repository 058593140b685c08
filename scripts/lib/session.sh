# Sourced by scripts that start the program as a new user would.
#
# private_user WORKDIR: a home, settings folder and runtime folder of its own
# under WORKDIR, no desktop's browser preferences, and a stand-in xdg-open
# first on the PATH that adds each address it is given to WORKDIR/opened, so
# that no real browser ever opens.
private_user() {
    local work=$1
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/bin"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset XDG_CURRENT_DESKTOP DESKTOP_SESSION BROWSER DEFAULT_BROWSER
    cat >"$work/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
STUB
    chmod +x "$work/bin/xdg-open"
    export PATH=$work/bin:$PATH
}
