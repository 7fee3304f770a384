// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The group report window's long work on its own threads: the histories read,
// and anything else begun through WhileBusy, the window answering meanwhile.
#include <QCheckBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>

#include "report/report_texts.h"
#include "report/ui/group_report_window.h"
#include "util/codec.h"

namespace teclarium {

bool TFGroupReport::ReadFiles(const std::vector<std::string>& files) {
    const std::vector<std::string> fresh = FReport.NewFiles(files);
    if (fresh.empty()) return false;
    // Each file read into its own place: the histories are never copied.
    std::vector<std::optional<TLearnerHistory>> read(fresh.size());
    std::vector<std::size_t> places(fresh.size());
    for (std::size_t i = 0; i < places.size(); ++i) places[i] = i;
    const TGroupReport& report = FReport;
    const std::atomic<bool>& stop = FStop;
    // Stopped, no file more is begun, and those being read stop between two lines.
    WhileBusy(static_cast<int>(fresh.size()), kReadingHistories, kReadingProgress, [&] {
        return QtConcurrent::map(&FPool, places, [&report, &read, &fresh, &stop](std::size_t i) {
            if (!stop) read[i] = report.Read(fresh[i], &stop);
        });
    });
    std::vector<TLearnerHistory> histories;
    std::vector<std::string> unread;
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (read[i])
            histories.push_back(std::move(*read[i]));
        else
            unread.push_back(fresh[i]);
    }
    read.clear();
    FReport.Take(std::move(histories));
    FReport.Forget(unread);
    ReadGoals();
    SetRangeLimits();
    Refresh();  // closed meanwhile, it closes the window once the histories read are shown
    return true;
}

void TFGroupReport::WhileBusy(int total, std::string_view name, std::string_view format,
                              const std::function<QFuture<void>()>& start, const std::atomic<int>* done,
                              bool stoppable) {
    // A long task shows in the window, modal as it will be.
    if (!isVisible()) {
        setWindowModality(Qt::ApplicationModal);
        show();
    }
    FBusy = true;
    FStop = false;
    QWidget* focus = focusWidget();
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls)
        if (control != PB_Reading && control != BB_StopReading) control->setEnabled(false);
    PB_Reading->setAccessibleName(FromUtf8(name));
    PB_Reading->setFormat(FromUtf8(format));
    PB_Reading->setRange(0, total);
    PB_Reading->setValue(0);
    PB_Reading->show();
    BB_StopReading->setVisible(stoppable);
    if (stoppable) BB_StopReading->setFocus();
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    if (!done)
        connect(&watcher, &QFutureWatcherBase::progressValueChanged, PB_Reading, &QProgressBar::setValue);
    QTimer polling;
    connect(&polling, &QTimer::timeout, &watcher, [&] {
        if (done) PB_Reading->setValue(*done);
        if (FStop) watcher.cancel();
    });
    polling.start(50);
    watcher.setFuture(start());
    if (!watcher.isFinished()) loop.exec();
    watcher.waitForFinished();
    PB_Reading->hide();
    BB_StopReading->hide();
    for (QWidget* control : controls) control->setEnabled(true);
    // The date boxes follow their check boxes, the goals one class.
    DE_From->setEnabled(CB_From->isChecked());
    DE_To->setEnabled(CB_To->isChecked());
    BB_EditGoals->setEnabled(!ShownClass().empty());
    // The focus back where it was, else on the first control, as on showing.
    if (focus)
        focus->setFocus();
    else
        focusNextPrevChild(true);
    FBusy = false;
}

}  // namespace teclarium
