# One interface target carries the language standard, the warnings and the sanitizers,
# so every library, program, test and benchmark is compiled the same way.
add_library(reelcase_options INTERFACE)
target_compile_features(reelcase_options INTERFACE cxx_std_20)
# Developers and CI stop at any warning. A packager's build, with another compiler or flags
# that bring new warnings, turns this off so that a warning does not stop the package.
option(REELCASE_WERROR "Treat compiler warnings as errors" ON)
target_compile_options(reelcase_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Wnull-dereference -Wimplicit-fallthrough $<$<BOOL:${REELCASE_WERROR}>:-Werror>
    # GCC 12 reports std::optional<QString> moves as uninitialised at -O2: a known false alarm.
    $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
target_compile_definitions(reelcase_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)

# Relocations made read-only once resolved, as Debian links its programs. Not -z now: binding
# every symbol of Qt before the window shows costs start time a user meets at every start.
target_link_options(reelcase_options INTERFACE LINKER:-z,relro)

option(REELCASE_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(REELCASE_SANITIZE)
    target_compile_options(reelcase_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(reelcase_options INTERFACE -fsanitize=address,undefined)
endif()

option(REELCASE_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(REELCASE_FUZZ)
    target_compile_options(reelcase_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    target_link_options(reelcase_options INTERFACE -fsanitize=address,undefined)
endif()

# Optimised builds check the buffer sizes libc calls are given where the compiler knows them,
# as Debian builds its programs (it needs optimisation, and the sanitizers check more).
if(NOT REELCASE_SANITIZE AND NOT REELCASE_FUZZ)
    target_compile_definitions(reelcase_options INTERFACE
        $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
