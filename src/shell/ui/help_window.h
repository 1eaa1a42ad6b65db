#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QTextBrowser;

namespace quillbox {

class Program;

// "Readme/Help": the user guide that ships with the program, and whether it opens at start-up
// ("Show at Startup", the setting showHelp). It stays above other windows while it is open.
class HelpWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)

public:
    explicit HelpWindow(Program& program, const QString& helpFile = defaultHelpFile(),
                        QWidget* parent = nullptr);
    ~HelpWindow() override;

    // The skin, the help text, on top, "Show at Startup" from the settings. False when there is
    // no help text: the window then stays closed.
    bool load();

    // The user guide among the program's resources.
    static QString defaultHelpFile();

private:
    void showAtStartupClicked(bool checked);

    Program& m_program;
    QString m_helpFile;
    QTextBrowser* helpText = nullptr;
    QCheckBox* showAtStartupBox = nullptr;
};

} // namespace quillbox
