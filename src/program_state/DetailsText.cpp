#include "program_state/DetailsText.h"

namespace reelcase {

std::string detailsText(const MovieRecord& movie) {
    const std::string eol = "\r\n";
    std::string text;
    text.reserve(512);
    text.append("   Movie: ").append(fieldText(movie.Name)).append(eol);
    text.append("  Length: ").append(std::to_string(movie.Length)).append(" Minutes").append(eol);
    text.append("  Format: ").append(fieldText(movie.Format)).append(eol);
    text.append("   Genre: ").append(fieldText(movie.Genre)).append(eol);
    text.append(" Quality: ").append(std::to_string(movie.Quality)).append("/5").append(eol);
    text.append("  Rating: ").append(fieldText(movie.Rating)).append(eol);
    text.append("    Size: ").append(std::to_string(movie.Size)).append(" MB").append(eol);
    text.append(eol);
    text.append("[============ Personal Info ===========]").append(eol);
    text.append(fieldText(movie.PersonalInfo));
    return text;
}

}  // namespace reelcase
