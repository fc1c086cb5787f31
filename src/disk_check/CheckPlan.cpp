#include "disk_check/CheckPlan.h"

#include <sys/stat.h>

#include <optional>
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

namespace {

using NameGroups = std::unordered_map<std::string, std::vector<int>>;

// Polled every 1,024 names: a hundred thousand take a moment, and a cancelled check does not
// wait for them.
bool stoppedAt(std::size_t i, const std::atomic<bool>& stop) {
    return i % 1024 == 0 && stop.load(std::memory_order_relaxed);
}

// The named slots by their case-free names, in slot order; nothing when stopped.
std::optional<NameGroups> slotsByName(const Catalogue& catalogue, const std::atomic<bool>& stop) {
    NameGroups groups;
    groups.reserve(static_cast<std::size_t>(catalogue.movieCount()));
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        if (stoppedAt(static_cast<std::size_t>(n), stop)) {
            return std::nullopt;
        }
        const std::string_view name = nameOf(catalogue.slot(n));
        if (!name.empty()) {
            groups[caseFreeKey(name)].push_back(n);
        }
    }
    return groups;
}

// Pairs the movies and slots of one case-free name: exact name and unchanged size first, then
// exact name, then unchanged size, then any, each in slot and path order.
class NamePairing {
  public:
    NamePairing(const Catalogue& catalogue, CheckPlan& plan, const FileSizes& sizes,
                const std::vector<std::string>& stored)
        : catalogue_(catalogue),
          plan_(plan),
          sizes_(sizes),
          stored_(stored),
          slotTaken_(static_cast<std::size_t>(catalogue.movieCount()) + 1, false),
          movieTaken_(plan.movies.size(), false) {}

    void pair(const std::vector<int>& slots, const std::vector<int>& movies) {
        for (int score = 3; score >= 0; --score) {
            for (const int s : slots) {
                if (!slotTaken_[static_cast<std::size_t>(s)]) {
                    pairSlot(s, movies, score);
                }
            }
        }
    }

    // Whether the movie's files, in whole megabytes, hold the slot's stored size; sizes that
    // stop short where looking at them was stopped are unknown.
    bool unchanged(int movie, int slot) const {
        const auto m = static_cast<std::size_t>(movie);
        if (m >= sizes_.size() ||
            sizes_[m].size() != static_cast<std::size_t>(plan_.movies[m].files.size())) {
            return false;
        }
        const std::optional<std::int64_t> mb = wholeMegabytes(sizes_[m]);
        return mb && *mb == catalogue_.slot(slot).Size;
    }

    bool slotTaken(int slot) const { return slotTaken_[static_cast<std::size_t>(slot)]; }

  private:
    void pairSlot(int slot, const std::vector<int>& movies, int score) {
        for (const int m : movies) {
            const auto mi = static_cast<std::size_t>(m);
            if (movieTaken_[mi]) {
                continue;
            }
            const bool exact = stored_[mi] == nameOf(catalogue_.slot(slot));
            if ((exact ? 2 : 0) + (unchanged(m, slot) ? 1 : 0) == score) {
                slotTaken_[static_cast<std::size_t>(slot)] = true;
                movieTaken_[mi] = true;
                plan_.slotOf[mi] = slot;
                return;
            }
        }
    }

    const Catalogue& catalogue_;
    CheckPlan& plan_;
    const FileSizes& sizes_;
    const std::vector<std::string>& stored_;
    std::vector<bool> slotTaken_;
    std::vector<bool> movieTaken_;
};

}  // namespace

CheckPlan planCheck(const Catalogue& catalogue, std::vector<FolderMovie> movies,
                    const FileSizes& sizes, bool measureAll, const std::atomic<bool>& stop) {
    CheckPlan plan;
    plan.movies = std::move(movies);
    const std::size_t movieCount = plan.movies.size();
    plan.slotOf.assign(movieCount, 0);
    const std::optional<NameGroups> slots = slotsByName(catalogue, stop);
    if (!slots) {
        return plan;
    }
    // The movies whose case-free name some slot holds, by that name, in path order.
    std::vector<std::string> stored(movieCount);
    NameGroups moviesByName;
    for (std::size_t m = 0; m < movieCount; ++m) {
        if (stoppedAt(m, stop)) {
            return plan;
        }
        stored[m] = storedMovieName(plan.movies[m].name);
        std::string key = caseFreeKey(stored[m]);
        if (slots->contains(key)) {
            moviesByName[std::move(key)].push_back(static_cast<int>(m));
        }
    }
    NamePairing pairing(catalogue, plan, sizes, stored);
    for (const auto& [key, sameName] : moviesByName) {
        pairing.pair(slots->at(key), sameName);
    }
    for (std::size_t m = 0; m < movieCount; ++m) {
        const int slot = plan.slotOf[m];
        if (slot != 0 && !measureAll && pairing.unchanged(static_cast<int>(m), slot)) {
            ++plan.inStepBySize;
            continue;
        }
        for (qsizetype p = 0; p < plan.movies[m].files.size(); ++p) {
            plan.toMeasure.push_back({static_cast<int>(m), static_cast<int>(p)});
        }
    }
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        if (!pairing.slotTaken(n) && !nameOf(catalogue.slot(n)).empty()) {
            plan.notFound.push_back(n);
        }
    }
    return plan;
}

}  // namespace reelcase
