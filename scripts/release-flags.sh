# The CMake arguments of a release build, sourced by scripts/test.sh and
# scripts/package.sh so the programs the tests run are compiled exactly as
# the package's: Debian's hardening (dpkg-buildflags: stack protector,
# _FORTIFY_SOURCE, format checks, read-only relocations), bound at start
# (-z now, which leaves no writable table of function addresses to
# overwrite), assertions off, and the checkout's folder mapped away in the
# programs. The same compiler line for both builds also lets ccache compile
# each file once for both.
# The package strips its programs, so of the debug information only the
# line tables are kept (-g1 instead of -g, through dpkg-buildflags' own
# maintainer settings): a failing test's backtrace still names file and
# line, and the build takes an eighth less time.
# Run from the top of the checkout (dpkg-buildflags maps the current folder).
export DEB_CXXFLAGS_MAINT_STRIP=-g DEB_CXXFLAGS_MAINT_APPEND=-g1
release_flags=(
    -DCMAKE_BUILD_TYPE=Release
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) -ffile-prefix-map=$PWD/="
    -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now"
)
