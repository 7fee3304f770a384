#include "util/messages.h"

namespace teclarium {

std::string Format(std::string_view pattern, std::string_view value) {
    std::string result(pattern);
    const std::size_t at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, value);
    return result;
}

std::string FormatNumber(std::string_view pattern, long long value) {
    std::string result(pattern);
    const std::size_t at = result.find("%d");
    if (at != std::string::npos) result.replace(at, 2, std::to_string(value));
    return result;
}

}  // namespace teclarium
