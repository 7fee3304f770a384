// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "drill/ui/font_message_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <array>
#include <cmath>

#include "util/ui/help.h"
#include "util/ui/modal.h"

namespace teclarium {
namespace {

struct TButtonInfo {
    TMsgDlgBtn Button;
    const char* Name;
    const char* Caption;
    int Result;  // 0: none (help)
};

constexpr std::array<TButtonInfo, 11> kButtons = {{
    {mbYes, "Yes", "&Sí", mrYes},
    {mbNo, "No", "&No", mrNo},
    {mbOK, "OK", "D'acord", mrOk},
    {mbCancel, "Cancel", "Cancel·la", mrCancel},
    {mbAbort, "Abort", "&Avorta", mrAbort},
    {mbRetry, "Retry", "&Reintenta", mrRetry},
    {mbIgnore, "Ignore", "&Ignora", mrIgnore},
    {mbAll, "All", "&Tot", mrAll},
    {mbNoToAll, "NoToAll", "N&o a Tot", mrNoToAll},
    {mbYesToAll, "YesToAll", "S&í a Tot", mrYesToAll},
    {mbHelp, "Help", "&Ajuda", 0},
}};

const char* Caption(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::Warning:
            return "Compte";
        case TMsgDlgType::Error:
            return "Error";
        case TMsgDlgType::Information:
            return "Informació";
        case TMsgDlgType::Confirmation:
            return "Confirma";
        case TMsgDlgType::Custom:
            break;
    }
    return nullptr;
}

QStyle::StandardPixmap IconOf(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::Warning:
            return QStyle::SP_MessageBoxWarning;
        case TMsgDlgType::Error:
            return QStyle::SP_MessageBoxCritical;
        case TMsgDlgType::Information:
            return QStyle::SP_MessageBoxInformation;
        case TMsgDlgType::Confirmation:
            return QStyle::SP_MessageBoxQuestion;
        case TMsgDlgType::Custom:
            break;
    }
    return QStyle::SP_CustomBase;
}

// a × b / c rounded to the nearest whole number.
int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(double(a) * b / c));
}

// Width of each button caption in the system font, measured once per run.
int CaptionWidth(std::size_t index, const QFontMetrics& metrics) {
    static std::array<int, kButtons.size()> widths{};
    if (widths[index] == 0)
        widths[index] = metrics.boundingRect(QString::fromUtf8(kButtons[index].Caption).remove('&')).width();
    return widths[index];
}

class TMessageFForm : public QDialog {
  public:
    TMessageFForm() : QDialog(QApplication::activeWindow()) {
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        setFont(QApplication::font("QMessageBox"));
        setLayoutDirection(QApplication::layoutDirection());
    }
    QPushButton* FCancelButton = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && FCancelButton) {
            FCancelButton->click();
            return;
        }
        QDialog::keyPressEvent(e);
    }
    void reject() override { done(mrCancel); }
};

}  // namespace

int FontMessageDialog(const QString& text, const QFont& font, bool showIcon, TMsgDlgType type,
                      unsigned buttons, int helpContext, int left, int top, const QString& helpFile) {
    Q_UNUSED(helpFile);  // the application's help viewer knows its file
    TMessageFForm form;
    const QFont systemFont = form.font();
    const QFontMetrics systemMetrics(systemFont);
    const QRect average =
        systemMetrics.boundingRect(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int w = average.width() / 52;
    const int h = average.height();
    const int hMargin = MulDiv(8, w, 4), vMargin = MulDiv(8, h, 8);
    const int hSpacing = MulDiv(10, w, 4), vSpacing = MulDiv(10, h, 8);
    const int buttonHeight = MulDiv(14, h, 8), buttonSpacing = MulDiv(4, w, 4);
    int buttonWidth = MulDiv(50, w, 4);
    int buttonCount = 0;
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        if (!(buttons & kButtons[i].Button)) continue;
        ++buttonCount;
        buttonWidth = std::max(buttonWidth, CaptionWidth(i, systemMetrics) + 8);
    }

    form.setFont(font);
    const QScreen* screen = form.screen();
    const QRect screenRect = screen->geometry();
    const QRect measured = QFontMetrics(font).boundingRect(QRect(0, 0, screenRect.width() / 2, 0),
                                                           Qt::TextWordWrap | Qt::TextExpandTabs, text);
    const int tw = measured.width(), th = measured.height();
    const bool hasIcon = showIcon && type != TMsgDlgType::Custom;
    const int iw = hasIcon ? tw + 32 + hSpacing : tw;
    const int ih = hasIcon ? std::max(th, 32) : th;
    const int groupWidth =
        buttonCount == 0 ? 0 : buttonCount * buttonWidth + (buttonCount - 1) * buttonSpacing;
    const int clientWidth = std::max(iw, groupWidth) + 2 * hMargin;
    const int clientHeight = ih + buttonHeight + vSpacing + 2 * vMargin;
    form.setFixedSize(clientWidth, clientHeight);

    const char* caption = Caption(type);
    form.setWindowTitle(caption ? QString::fromUtf8(caption) : QApplication::applicationDisplayName());
    if (hasIcon) {
        auto* image = new QLabel(&form);
        image->setObjectName("Image");
        image->setPixmap(form.style()->standardIcon(IconOf(type), nullptr, &form).pixmap(32, 32));
        image->setGeometry(hMargin, vMargin, 32, 32);
    }
    auto* message = new QLabel(text, &form);
    message->setObjectName("Message");
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setFont(font);
    int messageLeft = iw - tw + hMargin;
    if (form.layoutDirection() == Qt::RightToLeft) messageLeft = clientWidth - messageLeft - tw;
    message->setGeometry(messageLeft, vMargin, tw, th);

    const unsigned defaultButton = (buttons & mbOK) ? mbOK : (buttons & mbYes) ? mbYes : mbRetry;
    const unsigned cancelButton = (buttons & mbCancel) ? mbCancel : (buttons & mbNo) ? mbNo : mbOK;
    int x = (clientWidth - groupWidth) / 2;
    for (const TButtonInfo& info : kButtons) {
        if (!(buttons & info.Button)) continue;
        auto* button = new QPushButton(QString::fromUtf8(info.Caption), &form);
        button->setObjectName(QString::fromLatin1(info.Name));
        button->setFont(systemFont);
        button->setGeometry(x, ih + vMargin + vSpacing, buttonWidth, buttonHeight);
        button->setAutoDefault(false);
        if (info.Button == defaultButton) {
            button->setDefault(true);
            button->setFocus();
        }
        if (info.Button == cancelButton) form.FCancelButton = button;
        const int result = info.Result;
        QObject::connect(button, &QPushButton::clicked, &form, [&form, result, helpContext] {
            if (result == 0)
                ShowHelpContext(helpContext);
            else
                form.done(result);
        });
        x += buttonWidth + buttonSpacing;
    }

    QPoint position = form.pos();
    if (left >= 0) position.setX(left);
    if (top >= 0) position.setY(top);
    if (left < 0 && top < 0)
        position = QPoint(screenRect.x() + screenRect.width() / 2 - form.width() / 2,
                          screenRect.y() + screenRect.height() / 2 - form.height() / 2);
    form.move(position);
    return RunModal(form);
}

int FontMessageDialog(const QString& text, const QFont& font, bool showIcon, TMsgDlgType type,
                      unsigned buttons, int helpContext) {
    return FontMessageDialog(text, font, showIcon, type, buttons, helpContext, -1, -1, QString());
}

int FontMessageDialog(const QString& text, const QFont& font, bool showIcon) {
    return FontMessageDialog(text, font, showIcon, TMsgDlgType::Information, mbOK, 0);
}

}  // namespace teclarium
