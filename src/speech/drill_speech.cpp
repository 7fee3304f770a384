// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "speech/drill_speech.h"

#include <QStringList>

#include "drill/drill.h"
#include "keyboard/key_display.h"
#include "speech/char_names.h"
#include "speech/speech_texts.h"
#include "util/codec.h"

namespace teclarium {
namespace {

bool GoneWrong(const TDrillMoment& m) {
    return !m.Word.starts_with(m.Typed);
}

// The keys of the character after the typed text when it takes several; else empty.
QString SeveralKeys(const TKeySpeech& keys, const TDrillMoment& m) {
    if (GoneWrong(m) || m.Typed.size() >= m.Word.size()) return QString();
    const auto next = static_cast<unsigned char>(m.Word[m.Typed.size()]);
    return keys.TakesSeveralKeys(next) ? keys.Strokes(next) : QString();
}

}  // namespace

TDrillMoment DrillMoment(const TDrill& drill) {
    return {drill.CurrentWord(), drill.EditText(), drill.ErrorCount(), drill.DrillRunning()};
}

QString WordUtterance(const TKeySpeech& keys, const std::string& word) {
    QString text = FromAnsi(word);
    const QString first = SeveralKeys(keys, {word, std::string(), 0, true});
    if (!first.isEmpty()) text += QStringLiteral(". ") + first;
    return text;
}

QString KeyUtterance(const TKeySpeech& keys, const TDrillMoment& before, unsigned char key,
                     const TDrillMoment& after) {
    if (!after.Running) return QString();
    // Space (or the first key after the start) shows a word: the same one again or the next.
    if (!before.Running || key == kSpace) return WordUtterance(keys, after.Word);
    if (after.Errors != before.Errors) {
        QString wanted;
        if (GoneWrong(before))
            wanted = FromUtf8(kSayBackspace);
        else if (before.Typed.size() >= before.Word.size())
            wanted = FromUtf8(kSaySpace);
        else
            wanted = CharName(static_cast<unsigned char>(before.Word[before.Typed.size()]));
        QString text = FromUtf8(kSayError) + TypedKeyName(key) + FromUtf8(kSayWanted) + wanted;
        if (GoneWrong(after)) text += QStringLiteral(". ") + FromUtf8(kSayErase);
        return text;
    }
    if (GoneWrong(after)) return FromUtf8(kSayErase);
    return SeveralKeys(keys, after);
}

QString SpelledWord(const std::string& word) {
    QStringList names;
    for (char ch : word) names << CharName(static_cast<unsigned char>(ch));
    return names.join(QStringLiteral(", "));
}

QString NextKeyUtterance(const TKeySpeech& keys, const TDrillMoment& now, bool deadKeyDone) {
    if (!now.Running) return QString();
    if (GoneWrong(now)) return FromUtf8(kSayBackspace) + QStringLiteral("; ") + keys.BackspaceFingerAndRow();
    if (now.Typed.size() >= now.Word.size())
        return FromUtf8(kSaySpace) + QStringLiteral("; ") + keys.FingerAndRow(' ');
    auto next = static_cast<unsigned char>(now.Word[now.Typed.size()]);
    if (deadKeyDone && keys.DeadKeyFor(next).DeadKey != 0) next = keys.DeadKeyFor(next).Base;
    const QString where = keys.FingerAndRow(next);
    return keys.Strokes(next) + (where.isEmpty() ? QString() : QStringLiteral("; ") + where);
}

QString NewKeysUtterance(const TKeySpeech& keys, const std::string& chars) {
    QStringList said;
    for (char c : chars) said << keys.NewKey(static_cast<unsigned char>(c));
    return said.join(QStringLiteral(". "));
}

QString CountersUtterance(int words, int errors) {
    return QStringLiteral("%1 %2, %3 %4")
        .arg(words)
        .arg(FromUtf8(words == 1 ? kSayWord : kSayWords))
        .arg(errors)
        .arg(FromUtf8(errors == 1 ? kSayOneError : kSayErrors));
}

}  // namespace teclarium
