# Debian packages the scripts need, and a helper that installs the missing ones.
# Sourced by scripts/test and scripts/play.

# What building and playing the game needs: the compiler and build tools, Qt 6 (its GUI
# library brings the X11 platform plugin), the Wayland platform plugin, Qt's translation tools
# and Qt's own translations, and the metric twin of the face the grid is drawn in.
ZENTILE_GAME_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev
    qt6-wayland
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation2
)

# What the tests need on top: GoogleTest, the PDF reader of the printing tests, the validators
# of the desktop files, clang with its sanitizer and fuzzer runtimes, the Debian package tools
# that build and check the package, and for the game played through a screen reader's eyes a
# virtual X screen, a session bus, the accessibility bus with its Python client and xdotool.
ZENTILE_TEST_PACKAGES=(
    pkg-config
    libgtest-dev
    poppler-utils
    desktop-file-utils appstream
    clang libclang-rt-14-dev
    dpkg-dev lintian
    xvfb xauth dbus at-spi2-core python3-pyatspi xdotool
)

# Installs whatever of "$@" is missing: as root directly; through sudo where the user may use
# it (sudo asks for the password in the terminal where it needs one); otherwise prints the one
# command to run and fails.
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
    elif command -v sudo >/dev/null &&
        { sudo -n true 2>/dev/null || { (: </dev/tty) 2>/dev/null && sudo -v; }; }; then
        sudo apt-get update -q && sudo env DEBIAN_FRONTEND=noninteractive "${command[@]}"
    else
        echo "Please install the missing packages first:" >&2
        echo "  sudo apt-get update && sudo ${command[*]}" >&2
        return 1
    fi
}
