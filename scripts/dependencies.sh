#!/usr/bin/env bash
# Installs the Debian packages that building and testing chatmind need, when
# any is missing. Sourced by the other scripts; run as root to install.
chatmind_packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libedit-dev pkgconf python3)
# The tests also build the Windows library and run it under Wine.
chatmind_windows_packages=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64)
# Fuzzing needs clang and its libFuzzer runtime.
chatmind_fuzz_packages=(clang-14 libclang-rt-14-dev)

# Usage: chatmind_install_dependencies PACKAGE...
chatmind_install_dependencies() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "chatmind needs these packages: ${missing[*]}" >&2
    echo "install them with: sudo apt-get install ${missing[*]}" >&2
    return 1
  fi
  echo "Installing ${missing[*]}" >&2
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends "${missing[@]}" >&2
}

# chatmind_build ROOT [BUILD_DIR [CMAKE_OPTION...]]: a Release build, in
# ROOT/build unless told otherwise.
chatmind_build() {
  local build="${2:-$1/build}"
  cmake -S "$1" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${@:3}" >/dev/null &&
    cmake --build "$build"
}
