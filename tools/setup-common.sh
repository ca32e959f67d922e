# Shared by ./run and ./test: install the Debian packages the game needs, then configure and build.
# Sourced, not executed.

# Build and run-time packages of a fresh Debian 12 machine.
ZUB_PACKAGES=(
    cmake ninja-build g++ lld pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6multimediawidgets6 qt6-qpa-plugins libgl-dev
    libjpeg-dev libx11-dev
    qt6-wayland
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-liberation
)
# Extra packages the test suite needs: a virtual X server, input simulation, format checks, the desktops
# the game is played on (a window manager and a headless Wayland compositor), a sound server to record
# the game's sounds from, and clang with libFuzzer for the fuzzers.
ZUB_TEST_PACKAGES=(
    xvfb xauth xdotool x11-apps x11-utils imagemagick clang-format
    openbox weston
    desktop-file-utils appstream reuse
    pulseaudio pulseaudio-utils sox
    clang libclang-rt-14-dev
)
# Building and checking the Debian package (packaging/build-deb.sh).
ZUB_PACKAGE_TOOLS=(
    debhelper dpkg-dev lintian
)
# The generators of the art, media and word lists are checked too.
ZUB_TOOL_PACKAGES=(
    python3 wamerican wamerican-small ffmpeg
    gstreamer1.0-tools gstreamer1.0-plugins-base-apps
)

zub_install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures the preset $1 and builds it, or only the targets given after it.
zub_build() {
    local preset=$1
    shift
    cmake --preset "$preset"
    if [ $# -gt 0 ]; then
        cmake --build --preset "$preset" --target "$@"
    else
        cmake --build --preset "$preset"
    fi
}
