// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
#include "util/command_line.h"

#include <algorithm>
#include <cstdio>

#include "util/licence_texts.h"
#include "util/messages.h"

namespace teclarium {
namespace {

// %s: the command's name.
constexpr std::string_view kUsage =
    "Ús: %s [OPCIÓ]\n"
    "Tutor de mecanografia: obre la finestra del programa per aprendre i practicar\n"
    "l'escriptura amb tots els dits en el teclat en ús, amb exercicis, un curs tecla\n"
    "a tecla, l'informe del grup per al mestre i la veu que diu paraules i tecles.\n"
    "\n"
    "  -h, --help      mostra aquesta ajuda i surt\n"
    "  -V, --version   mostra la versió del programa i surt\n"
    "\n"
    "Sense opcions obre la finestra. Necessita una pantalla X11 (o XWayland).\n"
    "Manual complet: man teclarium\n";
constexpr std::string_view kVersion = "Teclarium %s\n";
constexpr std::string_view kMsgUnknownOption = "Opció desconeguda: %s\n";
constexpr std::string_view kMsgUnexpectedArgument = "Argument inesperat: %s\n";
constexpr std::string_view kMsgMissingValue = "Falta el valor de l'opció %s\n";

constexpr int kExitUsage = 2;

std::string_view BaseName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

TCommandLineOutcome Refuse(std::string_view message, std::string_view argument, std::string_view command) {
    return {kExitUsage, {}, Format(message, argument) + "\n" + Format(kUsage, command)};
}

}  // namespace

TCommandLineOutcome ReadCommandLine(std::string_view programName, const std::vector<std::string_view>& args) {
    std::string_view command = BaseName(programName);
    if (command.empty()) command = "teclarium";
    bool help = false, version = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            help = true;
        } else if (arg == "-V" || arg == "--version") {
            version = true;
        } else if (arg == "-session") {
            // Left in argv for Qt, which takes it with its value.
            if (++i == args.size()) return Refuse(kMsgMissingValue, arg, command);
        } else if (arg.size() > 1 && arg.front() == '-') {
            return Refuse(kMsgUnknownOption, arg, command);
        } else {
            return Refuse(kMsgUnexpectedArgument, arg, command);
        }
    }
    if (help) return {0, Format(kUsage, command), {}};
    if (version)
        return {0,
                Format(kVersion, std::to_string(TECLARIUM_VERSION_MAJOR) + "." +
                                     std::to_string(TECLARIUM_VERSION_MINOR)) +
                    kCopyrightNotice + "\n" + Format(kLicenceNotice, kLicenceUrl) + "\n",
                {}};
    return {};
}

std::optional<int> HandleCommandLine(int argc, const char* const* argv) {
    const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
    const TCommandLineOutcome outcome = ReadCommandLine(argc > 0 ? argv[0] : "", args);
    std::fputs(outcome.FOut.c_str(), stdout);
    std::fputs(outcome.FErr.c_str(), stderr);
    return outcome.FExitCode;
}

}  // namespace teclarium
