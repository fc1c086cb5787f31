#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/Catalogue.h"
#include "folder_add/FolderMeasuring.h"
#include "folder_add/PartGrouping.h"

namespace reelcase {

// The sizes in bytes of each movie's files, in the order of its files; nothing for a file
// that cannot be looked at.
using FileSizes = std::vector<std::vector<std::optional<std::int64_t>>>;

// Looks at the files' sizes without opening them; ends soon after stop turns true.
FileSizes fileSizesOf(const std::vector<FolderMovie>& movies, const std::atomic<bool>& stop);

// A movie's files as whole megabytes, summed as "Analyse File(s)" sums them; nothing when a
// size is unknown.
std::optional<std::int64_t> wholeMegabytes(const std::vector<std::optional<std::int64_t>>& bytes);

// How the movies of the folders stand to the catalogue's movies, before anything is measured.
struct CheckPlan {
    std::vector<FolderMovie> movies;  // as the scan grouped them, in path order
    std::vector<int> slotOf;          // by movie: the slot it matched, 0 for a new file
    std::vector<int> notFound;        // named slots in use that no movie matched, in slot order
    int inStepBySize = 0;             // matched movies taken as in step without being opened
    std::vector<PartRef> toMeasure;   // every file of the other matched movies and new files
};

// Matches movies to the catalogue's by the name the folder window gives them, letter case
// ignored; a movie whose name differs otherwise is not guessed at. Among movies of one name
// an exact name is matched first, then one whose size is unchanged, then in slot and path
// order. A matched movie whose whole megabytes equal the stored size is in step unless
// measureAll. Ends soon after stop turns true, with a plan that stops short.
CheckPlan planCheck(const Catalogue& catalogue, std::vector<FolderMovie> movies,
                    const FileSizes& sizes, bool measureAll, const std::atomic<bool>& stop);

}  // namespace reelcase
