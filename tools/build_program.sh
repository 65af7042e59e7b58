# Sourced by the scripts that take pictures: builds the program in $TAISEN_BUILD_DIR (build
# unless told) without the tests, and leaves that folder in $build.
build=${TAISEN_BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DTAISEN_TESTS=OFF >/dev/null
cmake --build "$build" --target taisen
# The program is four executables that start one another from their own folder: a copy takes all.
programs=("$build/taisen" "$build/taisen-cli" "$build/taisen-windows" "$build/taisen-computer")
