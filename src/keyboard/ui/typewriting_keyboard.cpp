// TEMP: placeholder until the keyboard lands.
#include "shell/typewriting_window.h"
namespace teclarium {
void TFTypewriting::BuildKeyboard() {}
void TFTypewriting::LoadKeyMapping() {}
void TFTypewriting::LayoutKeyboard() {}
void TFTypewriting::SetHandColours() {}
void TFTypewriting::SetShowKeyboard(bool value) {
    FShowKeyboard = value;
}
void TFTypewriting::ArrangeWindow() {}
void TFTypewriting::LayoutTypingArea() {}
void TFTypewriting::SE_VKFontSizeChange() {}
void TFTypewriting::CB_KBSeparatedClick() {}
void TFTypewriting::SE_EditFontSizeChange() {}
void TFTypewriting::CB_ShowKeyboardClick() {}
void TFTypewriting::P_VirtualKeyboardClick() {}
bool TFTypewriting::AppMessage() {
    return false;
}
void TFTypewriting::ShowKeyDisplay() {}
}  // namespace teclarium
