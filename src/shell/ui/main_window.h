#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <utility>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace quillbox {

class AboutWindow;
class BrowserPage;
class BrowserPane;
class ColumnBorder;
class Clipboard;
class HelpWindow;
class ListsPane;
class PostingControls;
class Program;
class SavedMessagesWindow;
class SkinLabel;
class TemplateEditor;
class WebsiteWindow;
struct MainLayout;
struct StartView;

// The main window: message editor, forum and watched-post lists, browser pane, menus and status
// bar. It places the controls, forwards what the user does to the program and shows what the
// program signals. Controls carry their traditional names as objectName; tests and tools find
// them by those names.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // The window shows the program's lists and the page in pageView, which it takes.
    MainWindow(Program& program, BrowserPage& page, QWidget* pageView, Clipboard& clipboard,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Starts the program and shows what it loaded, then restores the window's place; call
    // once, before showing.
    void load();

    // The message as the program sees it: line breaks as CR LF, every character as typed.
    QString messageText() const;
    // The text every output action converts: the message followed by two line breaks.
    QString convertedMessage() const;
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int statusPanelCount() const;
    BrowserPage& browserPage();
    // Opens the help window (none when its text is missing).
    void showHelpWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Actions of the buttons and menus.
    void previewMessage();
    void copyMessage();
    void newMessage();
    void saveMessage();
    void loadMessage();
    void openTemplateEditor();
    void exitProgram();
    void visitWebsite();
    void showAboutWindow();
    void autoInsert();
    void pasteSubject();
    void pasteUserName();
    void pastePassword();
    void pasteMessage();
    void paste(int which);

    void applyStartView(const StartView& view);
    void addStatusPanels();
    void skinWindow();
    void setFormatNames(const QStringList& names);
    void buildControls(QWidget* pageView);
    void buildTopRow(QWidget* central);
    void buildMessageEditor(QWidget* central);
    void buildBrowserPane(QWidget* central, QWidget* pageView);
    void buildStatusBar();
    void buildMenus();
    void showSystemColours(bool on);
    void chooseSystemColours(bool on);
    void followColourSetting();
    // Ticks or clears the menu items that switch the setting named.
    void showSwitch(const char* name, bool on);
    void chooseWholeLinks(bool on);
    void makeKeyringSwitch(QAction* item);
    void connectControls();
    void connectBrowser();
    void connectCompose();
    void unloadSecondaryWindows();
    void endProgram();
    void insertSavedMessage(const QString& body, const QString& subject, bool hasSubject);
    void layoutControls();
    // One pass of the layout; answers how many pixels the left column's captions lack.
    int placeControls();
    void growControls(const MainLayout& layout);
    void restoreColumnBorder();
    // Puts the window where it was kept, brought onto its screen, or at a first start where it
    // uses the screen well.
    void placeWindow(const QByteArray& kept);
    void fitOnScreen();

    Program& m_program;
    BrowserPage& m_browserPage;
    Clipboard& m_clipboard;
    QPointer<SavedMessagesWindow> m_savedMessagesWindow;
    QPointer<TemplateEditor> m_templateEditor;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_shutDown = false;
    bool m_exitRequested = false;
    bool m_inLayout = false;
    // The message and subject last saved or loaded: New empties them without asking.
    std::pair<QString, QString> m_keptMessage;
    // Twips the user moved the column border to the right; a window too small for it shows less.
    float m_columnExtra = 0;
    // Twips the left column is widened so its captions fit, and its width beyond the design
    // as the last layout placed it.
    float m_captionExtra = 0;
    float m_shownColumnExtra = 0;
    // The window's place: its designed size, whether no place was kept (a first start), and
    // whether the first showing, which knows the frame, is still to place it.
    QSize m_designedSize;
    bool m_firstStart = false;
    bool m_placeOnShow = false;

    // Top row
    QPushButton* autoInsertButton = nullptr;
    QLabel* formatLabel = nullptr;
    QComboBox* formatBox = nullptr;
    QToolButton* previewButton = nullptr;
    QToolButton* copyButton = nullptr;
    QToolButton* saveButton = nullptr;
    QToolButton* loadButton = nullptr;
    QToolButton* optionsButton = nullptr;
    QToolButton* visitButton = nullptr;
    // Message editor
    QGroupBox* editorFrame = nullptr;
    QLabel* subjectLabel = nullptr;
    QLineEdit* subjectBox = nullptr;
    QLabel* messageLabel = nullptr;
    QPlainTextEdit* messageBox = nullptr;
    // Indexed as the paste values: subject, user name, password, message.
    std::array<QPushButton*, 4> pasteButtons{};
    ListsPane* listsPane = nullptr;
    PostingControls* posting = nullptr;
    BrowserPane* browserPane = nullptr;
    std::unique_ptr<WebsiteWindow> websiteWindow; // made at the first Visit
    QPointer<HelpWindow> helpWindow;
    QPointer<AboutWindow> aboutWindow;
    // Element 0 of SkinLabel1 (on the window), SkinLabel2 (in Frame1) and SkinLabel3 (in Frame2).
    std::array<SkinLabel*, 3> skinLabelPrototypes{};
    // Status bar
    std::array<QLabel*, 3> statusPanels{};
    ColumnBorder* columnBorder = nullptr;
};

} // namespace quillbox
