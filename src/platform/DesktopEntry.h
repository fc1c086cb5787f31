#pragma once

#include <QString>

namespace reelcase {

inline const QString CatalogueMimeType = QStringLiteral("application/x-reel-case-catalogue");
// The desktop entry is named after the program's AppStream id, as software centres require.
inline const QString DesktopFileName = QStringLiteral("io.github.reelcase.ReelCase.desktop");
// The name the file type was registered under before the entry took the AppStream id: a
// registration made under it is still this program's, replaced or removed like a current one.
inline const QString FormerDesktopFileName = QStringLiteral("reel-case.desktop");

// A desktop entry's Exec value that starts the program at programPath with one file: the
// path quoted by the desktop-entry rules when it holds blanks or other reserved characters,
// then written with the string escapes of an entry's values, then " %f".
QString desktopExecLine(const QString& programPath);

// mimeapps.list with the default application for the catalogue type set (or, with set false,
// removed when it is this program's, under its current or its former entry name). Every other line
// stays exactly as it was.
QString withCatalogueDefault(const QString& mimeappsList, bool set);

}  // namespace reelcase
