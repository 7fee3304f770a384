// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The "Informe del grup" window: one row per learner, from every history of the
// settings folder, of its sub-folders (each a class, shown one or all, with the
// goals its classe.ini sets) and any added from other folders, sortable by any column and
// limited to a date range; a double click shows a learner's progress; the report
// saved as CSV or PDF, or printed, alone or with every learner's page. It only
// reads histories.
#pragma once

#include <QDialog>
#include <QFuture>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "keyboard/key_chars.h"
#include "report/group_report.h"
#include "report/learner_figures.h"
#include "report/report_columns.h"

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPagedPaintDevice;
class QProgressBar;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace teclarium {

struct TAllPagesPrintout;
struct TLearnerPrintout;
struct TReportPrintout;
struct TReportView;
class TReportSortProxy;
class TReportTableModel;

inline constexpr int kGroupReportHelpContext = 1016;

// Saves the course certificate of the learner of a history under the name given,
// asking where (starting in folder); false, asking nothing, when they have not
// finished the course. The course lies beside the report: the shell gives it.
using TCertificateSaver = std::function<bool(QWidget* parent, const std::string& historyFile,
                                             const std::string& name, QString& folder)>;

// What the menu item "Informe del grup..." hands over.
struct TGroupReportRequest {
    std::string SettingsFolder;
    std::string ProgramName;
    TKeyCharsList Keys;
    TCourseReader Course;               // where the learner of each history stands in the course
    bool ColourBlind = false;           // the heat map's palette
    TCertificateSaver SaveCertificate;  // none: no certificates
    std::string SettingsFile;           // the user's, where the columns shown are kept; empty: not kept
};

class TFGroupReport : public QDialog {
    Q_OBJECT

  public:
    // The histories of the settings folder (the program's name names the shared
    // one); the key mapping for the class heat map and the learners' progress windows.
    explicit TFGroupReport(const TGroupReportRequest& request, QWidget* parent = nullptr);

    const TGroupReport& Report() const { return FReport; }
    const std::vector<TLearnerFigures>& Figures() const { return FFigures; }
    // The dates the range boxes choose.
    TDayRange Range() const;
    // The learner a row of the table shows (the rows follow the sorting); none for
    // the class's median row, the last.
    std::optional<std::size_t> LearnerAt(int row) const;
    // The learners in the order of the table's rows.
    std::vector<std::size_t> LearnerOrder() const;
    // What printing and the PDF show: the table as sorted, the learners' charts.
    TReportPrintout Printout() const;

    // The folder of the class shown; empty when all are shown and there are several.
    std::string ShownClass() const;

    void BB_AddHistoriesClick();
    // The goals of the class shown, edited and written to its classe.ini.
    void BB_EditGoalsClick();
    void BB_SaveCsvClick();
    // The class's goals as grades for Moodle's import (see MoodleCsv).
    void BB_ExportMoodleClick();
    void BB_SavePdfClick();
    void BB_PrintClick();
    // The one-page PDF of the learner of the current row.
    void MI_SaveLearnerClick();
    // The course certificate of the learner of the current row, once they finished the course.
    void MI_SaveCertificateClick();
    // One PDF, or one print, of the class's pages and then every learner's page.
    void MI_SaveAllPdfClick();
    void MI_PrintAllClick();
    // The learner's progress window, on their history, without the practice button.
    void TW_LearnersDblClick(int row);

    QLabel* L_Summary = nullptr;
    QComboBox* CB_Class = nullptr;  // "Totes les classes", then each folder of learners
    QPushButton* BB_EditGoals = nullptr;
    QCheckBox* CB_From = nullptr;
    QDateEdit* DE_From = nullptr;
    QCheckBox* CB_To = nullptr;
    QDateEdit* DE_To = nullptr;
    QTableView* TW_Learners = nullptr;
    QPushButton* BB_AddHistories = nullptr;
    QPushButton* BB_Columns = nullptr;  // its menu: a check box per column
    QPushButton* BB_SaveCsv = nullptr;
    QPushButton* BB_ExportMoodle = nullptr;
    QPushButton* BB_SavePdf = nullptr;
    QPushButton* BB_Print = nullptr;
    QPushButton* BB_AllLearners = nullptr;  // its menu: the two below
    QAction* MI_SaveAllPdf = nullptr;
    QAction* MI_PrintAll = nullptr;
    QPushButton* BB_Help = nullptr;
    QPushButton* BB_Close = nullptr;
    QAction* MI_SaveLearner = nullptr;      // in the table's context menu
    QAction* MI_SaveCertificate = nullptr;  // beside it; enabled for a learner who finished the course
    QWidget* P_ClassHeat = nullptr;         // the class heat map; rebuilt with the figures
    // The histories read so far while they are read; the learners' pages made while they are made.
    QProgressBar* PB_Reading = nullptr;
    QPushButton* BB_StopReading = nullptr;  // beside it: stops (the histories read so far are kept)

    // While the histories are read, the figures or the pages made, that stops first.
    void reject() override;
    // Closed while the histories were read.
    bool ClosedWhileReading() const { return FClosePending; }

  private:
    // The controls, in the order Tab follows, and what they do.
    void MakeControls(bool certificates);
    QHBoxLayout* ClassLine();
    QHBoxLayout* RangeLine();
    void MakeTable(bool certificates);
    QHBoxLayout* ButtonLine();
    void ConnectControls();
    // Runs an action of a button or a menu now, reporting its failure, or, while the
    // figures are made, once they are shown.
    void Act(std::function<void()> handler);

    // Reads the files not in the report yet on the window's own threads (Qt's
    // global pool is left to Qt's painting), the window showing how far it got and
    // answering meanwhile, until they are read or the reading is stopped; then the
    // figures. False when there was nothing new.
    bool ReadFiles(const std::vector<std::string>& files);
    // Runs what start begins on the window's own threads, the window showing how far
    // it got (of total steps, told by format; done counts them when the future does
    // not) and answering meanwhile, its other controls disabled, until it ends or,
    // when stoppable, is stopped (Cancel·la, Esc, the window closed): FStop, cleared
    // before start, is then set for the work to heed.
    void WhileBusy(int total, std::string_view name, std::string_view format,
                   const std::function<QFuture<void>()>& start, const std::atomic<int>* done = nullptr,
                   bool stoppable = true);
    // Paints the class's and every learner's pages on the printer, on the window's threads.
    void PaintAllInBackground(QPagedPaintDevice& device, const TAllPagesPrintout& printout);
    // The printout of the learner of a row, on the scale of the class's charts.
    TLearnerPrintout LearnerPrintout(int row, const TReportPrintout& whole) const;
    TAllPagesPrintout AllPagesPrintout() const;
    // Writes them as a PDF file made on the window's threads; nothing when stopped.
    void WriteAllPagesPdf(const std::string& path, const TAllPagesPrintout& printout);
    // The figures over the range, the table and the summary: made on the window's
    // threads, the window answering; asked again meanwhile, made again.
    void Refresh();
    // Hands the rows to the table a few at a time, the window answering between,
    // unless stopped meanwhile; then the columns, the summary and the heat map.
    void ShowView(TReportView& view, std::vector<QString>& tips, const TDayRange& range,
                  const std::function<bool()>& stopped);
    // Today, in days since 1970-01-01.
    static std::int64_t Today();
    // The columns chosen shown, but the class goals' while no class shown sets goals.
    void ShowColumns();
    // The columns chosen, shown and kept in the settings file.
    void ChooseColumns(const TShownColumns& shown);
    void SetRangeLimits();
    // The file chosen in a save dialog with these filters, and which filter; empty
    // when none was chosen.
    std::string AskSaveFile(std::string_view title, const QStringList& filters, const QString& suffix,
                            int* filter = nullptr);

    // The class heat map of the keys of the learners shown, in place of the one before.
    void ShowClassHeat(const TCharCounts& counts);
    // The goals of the learners' folders not read yet, and the class list.
    void ReadGoals();
    // The class list's entry of the class shown; 0: all classes, among several.
    int ShownClassIndex() const;
    // Whether the learner's row shows: all classes, or theirs.
    bool Shown(std::size_t learner) const;

    std::string FFolder;
    TGroupReport FReport;
    TReportTableModel* FModel = nullptr;
    TReportSortProxy* FSorted = nullptr;
    QThreadPool FPool;
    std::atomic<bool> FStop = false;
    std::vector<TLearnerFigures> FFigures;
    TDayRange FFiguresRange;  // theirs: the printed charts read their days over it
    TKeyCharsList FKeys;
    bool FColourBlind = false;
    bool FBusy = false;                            // reading histories or making pages
    bool FRefreshing = false;                      // making the figures
    bool FRefreshAgain = false;                    // asked for them again meanwhile
    std::vector<std::function<void()>> FDeferred;  // the actions asked for meanwhile
    bool FClosePending = false;
    QVBoxLayout* FHeatBox = nullptr;
    TCertificateSaver FSaveCertificate;
    std::string FSettingsFile;
    TShownColumns FShownColumns;
    bool FAnyGoals = false;                           // a class shown sets goals
    QString FLastFolder;                              // where the file dialogs start
    std::set<std::string> FGoalsRead;                 // the folders whose classe.ini was looked at
    std::map<std::string, std::string> FGoalsErrors;  // why a folder's classe.ini could not be read
};

// Shows the report window modally.
void ShowGroupReport(QWidget* parent, const TGroupReportRequest& request);

}  // namespace teclarium
