// TEMP: placeholder until the exercise sources land.
#include <QRadioButton>
#include "shell/typewriting_window.h"
namespace teclarium {
void TFTypewriting::RG_TypeClick() {}
void TFTypewriting::BB_LoadClick() {}
void TFTypewriting::PlayRandomWords() {}
void TFTypewriting::PlayExercise() {}
bool TFTypewriting::LoadExercise() {
    return false;
}
void TFTypewriting::PlayClipboard() {}
void TFTypewriting::ReadPatternFile() {}
void TFTypewriting::SetPatternControlsEnabled(bool) {}
void TFTypewriting::SetRepeatLineVisible(bool) {}
}  // namespace teclarium
