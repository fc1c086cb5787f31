#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace reelcase {

// The words that start a command for scripts.
inline constexpr std::string_view CommandWords[] = {"export", "import", "check",
                                                    "list",   "verify", "stats"};
// The options every Qt window program takes, which the window program hands to Qt: they open
// the window as if they were not there. Qt also takes them with two dashes.
inline constexpr std::string_view QtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "title",         "name",
    "style",           "stylesheet"};
inline constexpr std::string_view QtFlags[] = {"reverse", "widgetcount", "sync", "nograb",
                                               "dograb"};

// Whether the program's arguments (without its name, as the bytes they are) are the window's:
// none, one catalogue file, or "--" and one name of any kind. A catalogue file is a name that
// is there in the file system, ends in ".rcb" (any letter case) or contains a '/', and is not
// a command's. Everything else is run, or refused, by the commands program, so that a
// mistyped command or option never opens the window. "-" (standard input) is the commands'
// only.
bool opensWindow(std::span<const char* const> arguments);

// The arguments (as the bytes they are) with Qt's own options and their values taken out, up
// to a "--".
std::vector<std::string_view> withoutQtOptions(std::span<const char* const> arguments);

// A word the window takes for its catalogue: a name that is there, ends in ".rcb" or names
// its folder.
bool namesCatalogue(std::string_view word);

}  // namespace reelcase
