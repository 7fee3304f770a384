// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The course certificate as a one-page PDF (A4, portrait), and its saving.
#pragma once

#include <QDate>
#include <QString>
#include <string>

#include "course/certificate.h"

class QWidget;

namespace teclarium {

// A day as the certificate shows it: "8 de desembre de 2026".
std::string CertificateDay(const QDate& date);

// The certificate as the bytes of a PDF file. Painting needs no widget.
std::string CertificatePdf(const TCertificate& certificate);

// Asks where, starting in folder, and writes the certificate there; nothing when
// the dialog is cancelled. Throws TAppError when the file cannot be written.
void SaveCertificate(QWidget* parent, const TCertificate& certificate, QString& folder);

}  // namespace teclarium
