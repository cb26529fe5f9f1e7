# Sourced by scripts/run and scripts/test: installs what the build and tests need.
PAGETINT_PACKAGES="cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgtest-dev xvfb xauth xdotool xclip fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core clang-format-14 git desktop-file-utils appstream groff-base binutils librsvg2-bin qt6-translations-l10n qt6-l10n-tools qt6-tools-dev dpkg-dev dbus-daemon weston qt6-wayland libegl-mesa0 libgl1-mesa-dri libxcb1-dev at-spi2-core python3-pyatspi"

pagetint_install_deps() {
    local missing=()
    local p
    for p in $PAGETINT_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local cmd="apt-get install -y --no-install-recommends ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root: apt-get update && $cmd" >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $cmd
}

pagetint_build() {
    local dir=$1
    shift
    cmake -S "$PAGETINT_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
