#pragma once

#include <zip.h>

namespace reelcase {

// The libzip functions the archive reader calls.
// clang-format off
#define REELCASE_ZIP_FUNCTIONS(X) \
    X(zip_fclose) X(zip_fread) X(zip_name_locate) X(zip_stat_init) X(zip_stat_index) \
    X(zip_discard) X(zip_fopen_index) X(zip_error_init) X(zip_error_init_with_code) \
    X(zip_error_fini) X(zip_error_strerror) X(zip_source_buffer_create) X(zip_source_free) \
    X(zip_open_from_source) X(zip_fdopen)
// clang-format on

// libzip, looked up when the first archive is read: linked, it and the cryptography library
// it needs would load at every start of the window and of every command, 12 ms of CPU that
// only an import of a zipped collection uses.
struct ZipLibrary {
// NOLINTNEXTLINE(bugprone-macro-parentheses): name is a declared name, not an expression.
#define REELCASE_ZIP_MEMBER(name) decltype(&::name) name = nullptr;
    REELCASE_ZIP_FUNCTIONS(REELCASE_ZIP_MEMBER)
#undef REELCASE_ZIP_MEMBER

    // The functions, or nothing where libzip cannot be loaded.
    static const ZipLibrary* get();
};

}  // namespace reelcase
