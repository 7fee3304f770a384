// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "shell/program_about_box.h"

#include <QTextBrowser>

#include "util/codec.h"
#include "util/file_attributes.h"
#include "util/files.h"
#include "util/licence_texts.h"
#include "util/ui/reporting_failures.h"

namespace teclarium {
namespace {

// %1 the program's name, %2 its version, %3 the version of Qt in use, %4 the copyright
// and licence notice.
constexpr const char* kAboutHtml = R"(<!DOCTYPE html>
<html><head><meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>%1</title></head><body>
<p><b>%1</b>, versió %2: un programa per aprendre i practicar la mecanografia amb tots els dits.
Mostra les paraules que cal escriure, jutja cada tecla, assenyala en un teclat virtual amb la
distribució en ús la tecla que cal prémer i, en acabar cada exercici, informa del temps emprat, de les
paraules per minut i de les pulsacions per minut. Té un curs que ensenya el teclat tecla a tecla, un
informe del grup per al mestre i pot dir cada paraula i cada tecla a través del lector de pantalla o
amb una veu pròpia.</p>
<p>%4</p>
<p>Fa servir la biblioteca Qt %3, de The Qt Company Ltd. i altres autors, sota la Llicència Pública
General Menor de GNU (LGPL), versió 3: <a href="https://www.gnu.org/licenses/lgpl-3.0.html">https://www.gnu.org/licenses/lgpl-3.0.html</a>.
Qt s'enllaça dinàmicament: la podeu substituir per una altra versió compatible. En trobareu el codi
font a <a href="https://download.qt.io/">https://download.qt.io/</a>.</p>
<p>Comentaris i suggeriments: <a href="mailto:teclarium@example.org">teclarium@example.org</a></p>
</body></html>
)";

// The copyright line and the licence's lines, with a link to the licence.
QString LicenceHtml() {
    const QString url = QString::fromLatin1(kLicenceUrl);
    return QString::fromUtf8(kCopyrightNotice).toHtmlEscaped() + "<br>" +
           QString::fromUtf8(kLicenceNotice)
               .toHtmlEscaped()
               .replace("%s", QStringLiteral("<a href=\"%1\">%1</a>").arg(url))
               .replace('\n', "<br>");
}

// The notices as Windows-1252 HTML.
std::string AboutText(const std::string& programName) {
    return ToAnsi(QString::fromUtf8(kAboutHtml)
                      .arg(QString::fromUtf8(programName).toHtmlEscaped(),
                           QStringLiteral("%1.%2").arg(TECLARIUM_VERSION_MAJOR).arg(TECLARIUM_VERSION_MINOR),
                           QString::fromLatin1(qVersion()), LicenceHtml()));
}

}  // namespace

TBoxRefTW::TBoxRefTW(const std::string& settingsDir, const std::string& programName, QWidget* parent)
    : TBoxRefRichE0(programName, parent) {
    const std::string fileName = settingsDir + kAboutFileName;
    ReportingFailures([&] {
        ClearReadOnly(fileName);
        WriteWholeFile(fileName, AboutText(programName));
        RxRichEdit->setHtml(FromAnsi(ReadWholeFile(fileName)));
    });
}

}  // namespace teclarium
