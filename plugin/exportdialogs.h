#ifndef EXPORTDIALOGS_H
#define EXPORTDIALOGS_H

#include <QProgressDialog>

#include <memory>

class ExportProgress;

// The window-modal progress dialogs the host's user sees while an export
// runs: "Príprava dát pre export do Orvexuniversal ..." (0 to 100) while the
// month is read and prepared (and the spans computed), then "Exportujem
// Orvexuniversal..." (0 to the number of people) while the people are
// exported and the file is written;
// both with the cancel button "Prerušiť", which asks the export to stop.
// They follow the export's progress each time update() is called on the GUI
// thread; without a widget application (a command-line host) there are none.
class ExportDialogs
{
public:
    explicit ExportDialogs(ExportProgress& progress);
    ~ExportDialogs();
    ExportDialogs(const ExportDialogs&) = delete;
    ExportDialogs& operator=(const ExportDialogs&) = delete;

    // Shows the current step's dialog and value, lets the event loop run and
    // passes a press of the cancel button on to the export.
    void update();

private:
    std::unique_ptr<QProgressDialog> makeDialog(const QString& label, int maximum) const;
    void follow(std::unique_ptr<QProgressDialog>& dialog, int value);
    bool cancelPressed() const;

    ExportProgress& progress;
    const bool widgets;
    std::unique_ptr<QProgressDialog> loading;
    std::unique_ptr<QProgressDialog> running;
};

#endif // EXPORTDIALOGS_H
