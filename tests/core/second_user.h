// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// A classmate: a second user of this computer, made for the test when missing (root
// only); Run runs a command as them, in their own group alone.
#pragma once

#include <pwd.h>
#include <unistd.h>

#include <QProcess>
#include <optional>

struct TSecondUser {
    uid_t Uid;
    gid_t Gid;
    static std::optional<TSecondUser> Make() {
        if (::geteuid() != 0) return std::nullopt;
        if (!::getpwnam("tclalumne"))
            QProcess::execute("useradd", {"--no-create-home", "--user-group", "tclalumne"});
        const passwd* user = ::getpwnam("tclalumne");
        return user ? std::optional<TSecondUser>({user->pw_uid, user->pw_gid}) : std::nullopt;
    }
    bool Run(const QStringList& command) const {
        const QStringList as{"--reuid=" + QString::number(Uid), "--regid=" + QString::number(Gid),
                             "--clear-groups"};
        return QProcess::execute("setpriv", as + command) == 0;
    }
};
