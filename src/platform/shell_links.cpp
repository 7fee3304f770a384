// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "platform/shell_links.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "util/app_error.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/text.h"

namespace teclarium {
namespace {

constexpr std::string_view kLinkExtension = ".DESKTOP";
constexpr const char* kIconName = "teclarium";
constexpr const char* kIconFile = "teclarium.svg";
// Where the installed icon lies, seen from the installed program's folder.
constexpr const char* kInstalledIcon = "../share/icons/hicolor/scalable/apps/teclarium.svg";

// A value of string type: backslash and line breaks escaped, a leading blank kept.
std::string EscapeValue(std::string_view text) {
    std::string result;
    for (const char ch : text) {
        switch (ch) {
            case '\\':
                result += "\\\\";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\t':
                result += "\\t";
                break;
            case '\r':
                result += "\\r";
                break;
            default:
                result += ch;
        }
    }
    if (!result.empty() && result[0] == ' ') result.replace(0, 1, "\\s");
    return result;
}

// One argument of the Exec key, in double quotes with ", `, $ and \ escaped, and
// % doubled (a lone % would be a field code).
std::string QuoteArgument(std::string_view argument) {
    std::string result = "\"";
    for (const char ch : argument) {
        if (ch == '"' || ch == '`' || ch == '$' || ch == '\\') result += '\\';
        result += ch;
        if (ch == '%') result += '%';
    }
    return result + '"';
}

std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
}

// An icon file beside the program (a build folder) or installed with it, else the
// icon's name in the theme (always for a command, installed with its icon).
std::string IconFor(const std::string& target) {
    if (target.find('/') == std::string::npos) return kIconName;
    const QDir dir(QFile::decodeName(Folder(target).c_str()));
    for (const char* relative : {kIconFile, kInstalledIcon}) {
        const QString path = QDir::cleanPath(dir.absoluteFilePath(relative));
        if (QFile::exists(path)) return QFile::encodeName(path).toStdString();
    }
    return kIconName;
}

}  // namespace

std::string DesktopEntry(const std::string& name, const std::string& target, const std::string& arguments,
                         const std::string& description, const std::string& icon) {
    std::string exec = QuoteArgument(target);
    if (!arguments.empty()) exec += ' ' + QuoteArgument(arguments);
    std::string entry = "[Desktop Entry]\nType=Application\nName=" + EscapeValue(name) + '\n';
    if (!description.empty()) entry += "Comment=" + EscapeValue(description) + '\n';
    entry += "Exec=" + EscapeValue(exec) + '\n';
    if (const std::string folder = Folder(target); !folder.empty())
        entry += "Path=" + EscapeValue(folder) + '\n';
    entry += "Icon=" + EscapeValue(icon) + "\nTerminal=false\nCategories=Education;\n";
    return entry;
}

bool InstalledInMenu(const std::string& programFile) {
    const QDir dir(QFile::decodeName(Folder(programFile).c_str()));
    return QFileInfo(dir.absoluteFilePath(QStringLiteral("../share/applications/") + kMenuEntryName))
        .isFile();
}

int TInstApp::GetSpecialFolderDir(int kind, std::string& folder) const {
    QString path;
    if (kind == kProgramsMenu || kind == kStartMenu)
        path = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    else if (kind == kDesktop)
        path = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (path.isEmpty()) return kUnexpected;
    folder = WithTrailingBackslash(QFile::encodeName(path).toStdString());
    return 0;
}

std::optional<std::string> TInstApp::CreateShellLink(const std::string& target, const std::string& arguments,
                                                     const std::string& description,
                                                     const std::string& linkPath) const {
    const std::size_t dot = linkPath.rfind('.');
    if (dot == std::string::npos || linkPath.find('/', dot) != std::string::npos ||
        AsciiUpperCase(linkPath.substr(dot)) != kLinkExtension) {
        return kMsgLinkExtension;
    }
    // A new account may have no applications or desktop folder yet.
    QDir().mkpath(QFile::decodeName(Folder(linkPath).c_str()));
    WriteWholeFile(linkPath,
                   DesktopEntry(BareFileName(linkPath), target, arguments, description, IconFor(target)));
    struct stat st {};
    if (::stat(linkPath.c_str(), &st) != 0 ||
        ::chmod(linkPath.c_str(), (st.st_mode & 07777) | S_IXUSR | S_IXGRP | S_IXOTH) != 0)
        throw TAppError(Format(kMsgCannotCreateFile, linkPath));
    return std::nullopt;
}

}  // namespace teclarium
