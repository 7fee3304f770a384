// Texts of the main window.
#pragma once

namespace teclarium {

inline constexpr const char* kTitle = "Teclarium";
inline constexpr const char* kHintCount = "Mostra el nombre de paraules fetes";
inline constexpr const char* kHintErrors = "Mostra el nombre de caràcters equivocats";
// Help contexts of the make-shortcut and the unusual options dialogs.
inline constexpr int kMakeLinkHelpContext = 1012;
inline constexpr int kUnusualOptionsHelpContext = 1013;

}  // namespace teclarium
