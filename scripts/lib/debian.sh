# Sourced by the scripts that build or check the Debian package.
#
# build_debian_package SOURCE OUT: copies the tree SOURCE (without build/ and
# .git) to OUT/tessivane-VERSION and runs dpkg-buildpackage there, so that the
# source package and the binary packages land in OUT and SOURCE stays clean.
# DEB_BUILD_OPTIONS and the like pass through.
build_debian_package() {
    local source=$1 out=$2 version tree
    version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version) || return 1
    tree=$out/tessivane-$version
    mkdir -p "$tree"
    tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$tree" -xf - &&
        (cd "$tree" && dpkg-buildpackage -us -uc)
}

# hardened BINARY: hardening-check finds every protection, but where the binary
# cannot show one that it was built with, which is said:
# - fortified functions: the only C library functions it calls with a size the
#   compiler could check are memcpy and memmove, reached from the standard
#   library's and Qt's inline code, which calls the compiler's built-ins with
#   sizes known only at run time; blhc checks that -D_FORTIFY_SOURCE is passed;
# - control flow integrity: the linker marks a program only when every object
#   in it is marked, and the C library's own start files (Scrt1.o) are not;
# - branch protection: arm64's, which other architectures do not have.
hardened() {
    local report line unprotected
    report=$(hardening-check -v "$1")
    while IFS= read -r line; do
        case "$line" in
        *"Fortify Source functions: no, only unprotected functions found!")
            unprotected=$(sed -n 's/^\tunprotected: //p' <<<"$report" | sort -u | tr '\n' ' ')
            [ "$unprotected" = "memcpy memmove " ] || { echo "unprotected: $unprotected"; return 1; }
            echo "fortified functions: none to show; the unprotected ones are the built-ins' memcpy and memmove"
            ;;
        *"Control flow integrity: no, not found!")
            if readelf -n "$(gcc -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT'; then return 1; fi
            echo "control flow integrity: not marked, since the C library's start files are not"
            ;;
        *"Branch Protection: no, not found!")
            [ "$(dpkg --print-architecture)" != arm64 ] || return 1
            ;;
        *": no"*)
            echo "$line"
            return 1
            ;;
        esac
    done < <(grep -E '^ [A-Z][^:]+: ' <<<"$report")
}
