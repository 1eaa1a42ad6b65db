#pragma once

// A main window with its program, made and wired by the program's own AppWiring, on private
// folders. For window tests only: include it where widgets are linked.

#include "app/app_wiring.h"
#include "browser/insert_follow_up.h"
#include "platform/qt/web_engine_page.h"
#include "shell/program.h"
#include "shell/ui/main_window.h"
#include "store/settings_store.h"
#include "support/manual_clock.h"
#include "support/recording_clipboard.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"
#include "watch/background_check.h"
#include "watch/page_fetcher.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QListView>
#include <QWebEngineView>
#include <cstdio>
#include <memory>

namespace quillbox::test {

// A control of a window by its name; a missing control ends the test run with its name.
template <typename T> T* control(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// The rows a list view of a window shows, as text.
inline QStringList rows(const QObject* root, const char* name) {
    const QAbstractItemModel* model = control<QListView>(root, name)->model();
    QStringList out;
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, 0).data().toString();
    return out;
}

// One row of a list view of a window, for a role other than its text.
inline QVariant rowData(const QObject* root, const char* name, int row, int role) {
    return control<QListView>(root, name)->model()->index(row, 0).data(role);
}

// The wiring's program or its window, reached as through a pointer; empty while none is open.
template <typename T> class WiredPart {
public:
    T* get() const { return m_part; }
    T* operator->() const { return m_part; }
    T& operator*() const { return *m_part; }
    explicit operator bool() const { return m_part != nullptr; }
    void set(T* part) { m_part = part; }

private:
    T* m_part = nullptr;
};

class MainWindowFixture {
public:
    // New folders: a first start.
    void init() {
        close();
        settings.reset();
        folders = std::make_unique<TestFolders>();
        settings = std::make_unique<SettingsStore>(folders->settingsFolder());
        messages.entries.clear();
        clipboard.texts.clear();
    }

    // Starts the program and its window on the folders, after closing those open; the page is a
    // real Qt WebEngine page unless the test hands in one of its own, which the fixture takes
    // (then a plain widget stands where the view would be). load() and show() are left to the
    // caller when load is false.
    MainWindow* open(BrowserPage* ownPage = nullptr, Notifier* notifier = nullptr,
                     bool load = true) {
        close();
        QWidget* view = nullptr;
        if (ownPage) {
            ownedPage.reset(ownPage);
            page = ownPage;
            view = new QWidget;
        } else {
            auto* webView = new QWebEngineView;
            webPage = std::make_unique<WebEnginePage>(webView);
            page = webPage.get();
            view = webView;
        }
        // The program's own wiring, without the parts of a real start (another start's
        // messages, the shared browser's cookies, the termination signals, the splash window)
        // and without the background check's schedule, which the tests start when they need it.
        wiring =
            std::make_unique<AppWiring>(ProgramSeams{folders->dataFolder(), *settings, messages,
                                                     clock, *page, notifier, passwords},
                                        view, clipboard);
        program.set(&wiring->program());
        window.set(&wiring->window());
        designedSize = window->size();
        if (load) {
            const bool firstStart =
                setting(QStringLiteral("Window"), QStringLiteral("mainGeometry")) ==
                QStringLiteral("<none>");
            wiring->showWindow();
            // Where no place was kept, a first start fills the test screen instead.
            if (atDesignedSize && firstStart)
                window->resize(designedSize);
        }
        return window.get();
    }

    // The window goes first (it shows the program's lists and holds the page's view), then
    // the program, then the page.
    void close() {
        window.set(nullptr);
        program.set(nullptr);
        wiring.reset();
        webPage.reset();
        ownedPage.reset();
        page = nullptr;
    }

    void cleanup() {
        close();
        settings.reset();
        folders.reset();
    }

    QString setting(const QString& section, const QString& key) const {
        return settings->getSetting(settingsApplication(), section, key, QStringLiteral("<none>"));
    }

    std::unique_ptr<TestFolders> folders;
    std::unique_ptr<SettingsStore> settings;
    RecordingMessages messages;
    RecordingClipboard clipboard;
    ManualClock clock;
    std::unique_ptr<WebEnginePage> webPage;
    std::unique_ptr<BrowserPage> ownedPage;
    BrowserPage* page = nullptr;
    PasswordStore* passwords = nullptr; // the keyring the program is given: none unless set
    std::unique_ptr<AppWiring> wiring;
    WiredPart<Program> program;
    WiredPart<MainWindow> window;
    // A window that opens at a first start keeps the size it was designed at (designedSize),
    // where the tests of the design expect it, rather than the size the screen would give it.
    bool atDesignedSize = true;
    QSize designedSize;
};

} // namespace quillbox::test
