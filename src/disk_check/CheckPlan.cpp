#include "disk_check/CheckPlan.h"

#include <sys/stat.h>

#include <string>
#include <unordered_map>

#include "careful_files/FileNames.h"
#include "catalogue/NameCollation.h"
#include "editing/FileAnalysis.h"
#include "folder_add/FolderAddTable.h"

namespace reelcase {

namespace {

// Names equal but for letter case have equal collation keys, and only they.
std::string caseFreeKey(std::string_view name) {
    const CollationKey key = collationKey(name);
    return {reinterpret_cast<const char*>(key.bytes.data()), key.size};
}

}  // namespace

FileSizes fileSizesOf(const std::vector<FolderMovie>& movies, const std::atomic<bool>& stop) {
    FileSizes sizes(movies.size());
    for (std::size_t m = 0; m < movies.size(); ++m) {
        if (stop.load(std::memory_order_relaxed)) {
            break;
        }
        for (const QString& file : movies[m].files) {
            struct stat st {};
            const bool regular =
                ::stat(fileNameBytes(file).constData(), &st) == 0 && S_ISREG(st.st_mode);
            sizes[m].push_back(regular ? std::optional<std::int64_t>(st.st_size) : std::nullopt);
        }
    }
    return sizes;
}

std::optional<std::int64_t> wholeMegabytes(const std::vector<std::optional<std::int64_t>>& bytes) {
    std::int64_t megabytes = 0;
    for (const auto& b : bytes) {
        if (!b) {
            return std::nullopt;
        }
        megabytes += *b / BytesPerMegabyte;
    }
    return megabytes;
}

CheckPlan planCheck(const Catalogue& catalogue, std::vector<FolderMovie> movies,
                    const FileSizes& sizes, bool measureAll, const std::atomic<bool>& stop) {
    CheckPlan plan;
    plan.movies = std::move(movies);
    const std::size_t movieCount = plan.movies.size();
    plan.slotOf.assign(movieCount, 0);

    const int slots = catalogue.movieCount();
    // Slots and movies by their names, letter case ignored, in slot and path order.
    std::unordered_map<std::string, std::vector<int>> slotsByName;
    slotsByName.reserve(static_cast<std::size_t>(slots));
    // A hundred thousand names take a moment: a cancelled check does not wait for them.
    const auto stopped = [&stop](std::size_t i) {
        return i % 1024 == 0 && stop.load(std::memory_order_relaxed);
    };
    for (int n = 1; n <= slots; ++n) {
        if (stopped(static_cast<std::size_t>(n))) {
            return plan;
        }
        const std::string_view name = nameOf(catalogue.slot(n));
        if (!name.empty()) {
            slotsByName[caseFreeKey(name)].push_back(n);
        }
    }
    std::vector<std::string> stored(movieCount);
    std::unordered_map<std::string, std::vector<int>> moviesByName;
    for (std::size_t m = 0; m < movieCount; ++m) {
        if (stopped(m)) {
            return plan;
        }
        stored[m] = storedMovieName(plan.movies[m].name);
        std::string key = caseFreeKey(stored[m]);
        if (slotsByName.contains(key)) {
            moviesByName[std::move(key)].push_back(static_cast<int>(m));
        }
    }
    // The sizes may stop short where looking at them was stopped: those are unknown.
    const auto megabytesOf = [&](int movie) -> std::optional<std::int64_t> {
        const auto m = static_cast<std::size_t>(movie);
        if (m >= sizes.size() ||
            sizes[m].size() != static_cast<std::size_t>(plan.movies[m].files.size())) {
            return std::nullopt;
        }
        return wholeMegabytes(sizes[m]);
    };
    const auto unchanged = [&](int movie, int slot) {
        const std::optional<std::int64_t> mb = megabytesOf(movie);
        return mb && *mb == catalogue.slot(slot).Size;
    };
    std::vector<bool> slotTaken(static_cast<std::size_t>(slots) + 1, false);
    std::vector<bool> movieTaken(movieCount, false);
    for (const auto& [key, sameName] : moviesByName) {
        const std::vector<int>& named = slotsByName.at(key);
        // Exact name and unchanged size first, then exact name, then unchanged size, then any.
        for (int score = 3; score >= 0; --score) {
            for (const int s : named) {
                if (slotTaken[static_cast<std::size_t>(s)]) {
                    continue;
                }
                for (const int m : sameName) {
                    const auto mi = static_cast<std::size_t>(m);
                    if (movieTaken[mi]) {
                        continue;
                    }
                    const bool exact = stored[mi] == nameOf(catalogue.slot(s));
                    if ((exact ? 2 : 0) + (unchanged(m, s) ? 1 : 0) == score) {
                        slotTaken[static_cast<std::size_t>(s)] = true;
                        movieTaken[mi] = true;
                        plan.slotOf[mi] = s;
                        break;
                    }
                }
            }
        }
    }
    for (std::size_t m = 0; m < movieCount; ++m) {
        const int slot = plan.slotOf[m];
        if (slot != 0 && !measureAll && unchanged(static_cast<int>(m), slot)) {
            ++plan.inStepBySize;
            continue;
        }
        for (qsizetype p = 0; p < plan.movies[m].files.size(); ++p) {
            plan.toMeasure.push_back({static_cast<int>(m), static_cast<int>(p)});
        }
    }
    for (int n = 1; n <= slots; ++n) {
        if (!slotTaken[static_cast<std::size_t>(n)] && !nameOf(catalogue.slot(n)).empty()) {
            plan.notFound.push_back(n);
        }
    }
    return plan;
}

}  // namespace reelcase
