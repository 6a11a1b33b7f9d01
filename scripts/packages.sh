# Debian packages the build needs, and a helper that installs the missing ones.
# Sourced by scripts/test and scripts/play.

ZENTILE_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev
    qt6-base-dev libgl-dev
    fonts-liberation2 poppler-utils
    desktop-file-utils appstream
    clang libclang-rt-14-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

# What the game needs on top to run on a desktop: the X11 and Wayland platform plugins, and
# the metric twin of the face the grid is drawn in.
ZENTILE_PLAY_PACKAGES=(
    qt6-qpa-plugins
    fonts-liberation2
    qt6-translations-l10n
)

# Installs whatever of "$@" is missing: as root directly, through sudo when it needs no
# password, otherwise prints the exact command and fails.
zentile_install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local command=(apt-get install -y --no-install-recommends "${missing[@]}")
    echo "Installing missing packages: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -q && DEBIAN_FRONTEND=noninteractive "${command[@]}"
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        sudo apt-get update -q && sudo DEBIAN_FRONTEND=noninteractive "${command[@]}"
    else
        echo "Please install the missing packages first:" >&2
        echo "  sudo apt-get update && sudo ${command[*]}" >&2
        return 1
    fi
}
