// Texts of the shared functions (UTF-8 in the source; shown through Qt).
#pragma once

#include <string>
#include <string_view>

namespace teclarium {

inline constexpr std::string_view kMsgCannotOpenFile = "No es pot obrir el fitxer %s";
inline constexpr std::string_view kMsgFileNotFound = "No s'ha trobat l'arxiu '%s'";

// Replaces the first %s of pattern with value.
std::string Format(std::string_view pattern, std::string_view value);

}  // namespace teclarium
