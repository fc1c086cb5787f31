#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "folder_add/FolderScan.h"

namespace reelcase {

inline constexpr int MaxParts = 3;

// A part marker in a file name: "CD1", "part 2", "disc3", "(1 of 2)", any letter case.
struct PartMarker {
    QString kind;     // what the marker says besides the number, in small letters
    int number = 0;   // the part
    int of = 0;       // the number of parts a marker of the "(1 of 2)" kind gives, else 0
    QString without;  // the name with the marker taken out
};
std::optional<PartMarker> findPartMarker(const QString& name);

// One movie of a folder: one file, or two or three whose names differ only by their part
// marker, in part order.
struct FolderMovie {
    QString name;  // the file's name up to the last dot; without the marker for parts
    QStringList files;
    int format = FormatToChoose;
};

// The movies of found files. Parts group only within one folder and one extension, and only
// when their numbers run 1..n with n from 2 to 3; other files stay movies of their own.
std::vector<FolderMovie> groupParts(const std::vector<FoundFile>& files);

}  // namespace reelcase
