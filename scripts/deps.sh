# Installs the Debian packages a task needs, when some are missing.
# Usage: source scripts/deps.sh; kv_install_packages pkg...
kv_install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    local deadline=$((SECONDS + ${KV_APT_LOCK_WAIT:-600}))
    kv_apt_get "$deadline" $sudo update -qq || return
    kv_apt_get "$deadline" $sudo install -y -qq --no-install-recommends "${missing[@]}"
}

# apt-get, waiting until DEADLINE (in $SECONDS) while another package manager
# (unattended-upgrades on a fresh machine, a second shell) holds apt's locks.
# dpkg's lock is waited for by apt itself; the package lists' lock of
# `apt-get update` is not, so a refused lock is tried again every 5 seconds.
# Usage: kv_apt_get DEADLINE [sudo] ARGS...
kv_apt_get() {
    local deadline=$1; shift
    local run=(apt-get)
    [ "${1:-}" = sudo ] && { run=(sudo apt-get); shift; }
    local err status left
    while :; do
        left=$((deadline - SECONDS))
        [ "$left" -gt 0 ] || left=1
        status=0
        # stderr is kept to tell a lock from a real failure; stdout stays live.
        { err=$("${run[@]}" -o "DPkg::Lock::Timeout=$left" "$@" 2>&1 1>&3 3>&-); } 3>&1 || status=$?
        [ "$status" -eq 0 ] && { [ -z "$err" ] || echo "$err" >&2; return 0; }
        if ! grep -qiE "could not get lock|unable to (acquire|lock)" <<<"$err" || [ "$SECONDS" -ge "$deadline" ]; then
            echo "$err" >&2
            return "$status"
        fi
        echo "apt is busy (another package manager holds its lock); waiting..." >&2
        sleep 5
    done
}

# What building and testing need.
KV_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev qt6-base-dev
                   libcurl4-openssl-dev libcli11-dev nlohmann-json3-dev libcpp-httplib-dev
                   fonts-dejavu-core python3)

# What the installed-tree test and the package check need: the validators of
# the desktop entry, the metainfo and the manual pages; cpack's dpkg-shlibdeps
# (dpkg-dev) and file, for the Debian package's library dependencies.
KV_BUILD_PACKAGES+=(desktop-file-utils appstream man-db dpkg-dev file)

# The package check runs Debian's lintian on the .deb.
KV_BUILD_PACKAGES+=(lintian)

# Compressed fake lists (.gz, .zip) are inflated with zlib.
KV_BUILD_PACKAGES+=(zlib1g-dev)
# Desktop notifications over D-Bus (GIO); dbus-daemon for their test's private session bus.
KV_BUILD_PACKAGES+=(libglib2.0-dev dbus-daemon)

# The page of serve is tested in Debian's headless Chromium.
KV_BUILD_PACKAGES+=(chromium)

# The window's translations: lupdate and lrelease, and their CMake functions.
KV_BUILD_PACKAGES+=(qt6-l10n-tools qt6-tools-dev)

# The libFuzzer targets (scripts/fuzz.sh): clang and its fuzzer runtime.
KV_FUZZ_PACKAGES=(clang-16 libclang-rt-16-dev)

# The aMule External Connections tests start a throwaway amuled on loopback
# and read what it says with amulecmd.
KV_BUILD_PACKAGES+=(amule-daemon amule-utils)

# The Windows build (scripts/windows-check.sh): the mingw-w64 C++ compiler with
# POSIX threads (std::thread, std::mutex), zlib built for MinGW, and Wine to
# run the programs and their tests; GoogleTest is built from libgtest-dev's
# sources in /usr/src/googletest.
KV_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 libgtest-dev groff-base)
