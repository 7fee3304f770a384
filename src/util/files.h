// File functions. Paths are native (UTF-8) strings; contents are bytes.
#pragma once

#include <string>

namespace teclarium {

bool FileExists(const std::string& path);
// The whole file as bytes; throws TAppError "No es pot obrir el fitxer <path>".
std::string ReadWholeFile(const std::string& path);

}  // namespace teclarium
