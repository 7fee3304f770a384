// Texts of the main window.
#pragma once

namespace teclarium {

inline constexpr const char* kTitle = "Teclarium";
inline constexpr const char* kDefaultExercise = "11.tcm";
inline constexpr const char* kHintCount = "Mostra el nombre de paraules fetes";
inline constexpr const char* kHintErrors = "Mostra el nombre de caràcters equivocats";

}  // namespace teclarium
