#include "exchange/ZipLibrary.h"

#include <dlfcn.h>

#include <optional>

namespace reelcase {

const ZipLibrary* ZipLibrary::get() {
    static const std::optional<ZipLibrary> library = []() -> std::optional<ZipLibrary> {
        // Kept for the rest of the run, as a linked library would be.
        void* handle = ::dlopen("libzip.so.4", RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            return std::nullopt;
        }
        ZipLibrary zip;
        bool found = true;
#define REELCASE_ZIP_LOOKUP(name)                                            \
    zip.name = reinterpret_cast<decltype(zip.name)>(::dlsym(handle, #name)); \
    found = found && zip.name != nullptr;
        REELCASE_ZIP_FUNCTIONS(REELCASE_ZIP_LOOKUP)
#undef REELCASE_ZIP_LOOKUP
        if (!found) {
            return std::nullopt;
        }
        return zip;
    }();
    return library ? &*library : nullptr;
}

}  // namespace reelcase
