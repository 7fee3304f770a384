// File functions. Paths are native (UTF-8) strings; contents are bytes.
#pragma once

#include <string>
#include <string_view>

namespace teclarium {

bool FileExists(const std::string& path);
// The whole file as bytes; throws TAppError "No es pot obrir el fitxer <path>".
std::string ReadWholeFile(const std::string& path);
// Replaces the file with bytes; throws TAppError "No es pot crear el fitxer <path>".
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace teclarium
