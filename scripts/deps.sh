# Shared by run.sh and test.sh: installs the Debian packages the builds need.
# Run as root, it installs what is missing (and nothing twice); run as another user, it names
# the packages to install and stops.

# What building and starting the calculator needs.
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core librsvg2-bin)

# What building and running every test needs besides: GoogleTest and Google Benchmark, clang
# and its runtime for the fuzzer, locales for the German-locale checks, an X server with input
# and clipboard tools for the end-to-end tests, the desktop-file, AppStream, packaging and
# Windows-resource checkers, valgrind, clang-format, Qt's private headers (the accessibility
# test switches accessibility on as a screen-reader bridge does); and for the Windows build, the
# MinGW-w64 cross compiler, Wine and Wine's own fonts (the dialogs' "MS Sans Serif") to run its
# tests, NSIS and zip for its packages.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
    locales xvfb xauth xdotool xclip desktop-file-utils appstream appstream-compose dpkg-dev file
    lintian binutils-mingw-w64-x86-64 valgrind clang-format qt6-base-private-dev
    g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nsis zip)

# What the browser build needs besides: Debian's emscripten (which brings Node.js where the
# machine has none), Debian's Chromium for the site's tests and benchmarks, and npm, which
# installs the pinned puppeteer-core that drives it.
WEB_PACKAGES=(cmake ninja-build emscripten librsvg2-bin)
WEB_TEST_PACKAGES=("${WEB_PACKAGES[@]}" chromium fonts-dejavu-core)
if ! command -v npm >/dev/null 2>&1; then
    WEB_TEST_PACKAGES+=(npm)
fi

missing_packages() {
    local package
    for package in "$@"; do
        if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
            printf '%s\n' "$package"
        fi
    done
}

ensure_packages() {
    local missing
    missing=$(missing_packages "$@" | tr '\n' ' ')
    [ -n "${missing// /}" ] || return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages. Install them as root with:" >&2
        echo "  apt-get install $missing" >&2
        exit 1
    fi
    echo "Installing Debian packages: $missing"
    export DEBIAN_FRONTEND=noninteractive
    # shellcheck disable=SC2086
    if ! apt-get install -y -q --no-install-recommends $missing; then
        apt-get update -q
        # shellcheck disable=SC2086
        apt-get install -y -q --no-install-recommends $missing
    fi
}

# Makes a locale available to the tests that run under it (for example de_DE.UTF-8).
ensure_locale() {
    local name=$1
    if locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}"; then
        return 0
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing locale $name. Make it as root with: localedef -i ${name%%.*} -f UTF-8 $name" >&2
        exit 1
    fi
    localedef -i "${name%%.*}" -f UTF-8 "$name"
}
