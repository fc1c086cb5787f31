#pragma once

#include <string>
#include <string_view>

#include <QUrl>

namespace reelcase {

// The movie site on which a movie is looked up, and its domain as the menu names it.
inline constexpr std::string_view MovieSiteHost = "www.imdb.com";
inline constexpr std::string_view MovieSiteDomain = "imdb.com";

// The movie-site search address for a name: the host, "/Find?" and the name exactly as the
// list shows it (single-byte, nothing encoded, no scheme).
std::string movieSearchAddress(std::string_view name);

// What a browser is given for such an address: "https://" in front, and everything after
// the first "?" read as Windows-1252 and percent-encoded as UTF-8, so that blanks, "#", "&",
// "%", "+" and accented letters reach the site as the name's own characters.
QUrl browserUrl(std::string_view address);

// The page from which new versions are downloaded, fixed when the build is configured.
QUrl downloadPageUrl();

}  // namespace reelcase
