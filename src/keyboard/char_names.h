// Characters by their Catalan names, for what is said about a character rather than
// shown: "ce trencada majúscula", "a amb accent obert", "punt volat".
#pragma once

#include <QString>

namespace teclarium {

// The name of a Windows-1252 character: a letter by its name and its accent, capitals
// marked; the signs Catalan and Spanish texts use by name; any other between « ».
QString CharName(unsigned char ch);

}  // namespace teclarium
