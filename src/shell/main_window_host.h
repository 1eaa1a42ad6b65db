#pragma once

#include "store/list_files.h"

#include <QString>
#include <QStringList>

namespace quillbox {

// What the start-up and shutdown sequences do to the main window. The window implements it;
// tests record the calls.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // start-up
    virtual void setCaption(const QString& caption) = 0;
    virtual void setWebsiteButtonCaption(const QString& caption) = 0;
    virtual void navigateBrowser(const QString& address) = 0;
    virtual void addStatusPanels() = 0;
    virtual void setLists(const ListsData& lists) = 0;
    virtual void setFormatNames(const QStringList& names) = 0; // fills the drop-down, row 0
    virtual void setSubject(const QString& subject) = 0;       // runs the subject's change handling
    virtual void setMessage(const QString& message) = 0;
    virtual int formatRowCount() const = 0;
    virtual void selectFormatRow(int row) = 0;
    virtual void skinWindow() = 0;     // skin labels over the plain labels, then the skin
    virtual void showHelpWindow() = 0; // opens the help window (none when its text is missing)

    // shutdown
    virtual ListsData lists() const = 0;
    virtual QString message() const = 0;
    virtual int selectedFormatRow() const = 0; // -1 when none
    virtual void unloadSecondaryWindows() = 0;
    virtual bool websiteWindowVisible() const = 0;
    virtual void endProcess() = 0;
};

} // namespace quillbox
