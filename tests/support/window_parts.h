#pragma once

// The parts a main window works with, made as the program makes them. For window tests only:
// include it where widgets are linked.

#include "platform/qt/web_engine_page.h"
#include "shell/lists_autosave.h"
#include "shell/session.h"
#include "shell/ui/main_window.h"
#include "watch/page_fetcher.h"
#include "watch/post_measurer.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QObject>
#include <QWebEngineView>
#include <cstdio>
#include <memory>

namespace quillbox::test {

// The browser page is a real Qt WebEngine page unless the test hands in one of its own (then a
// plain widget stands where the view would be).
struct WindowParts {
    WindowParts(Session& session, Clipboard& clipboard, UserMessages& messages,
                BrowserPage* ownPage = nullptr)
        : session(session), clipboard(clipboard), measurer(lists, sizes, messages),
          check(lists, posts, messages), autosave(lists, session.dataFolder(), messages) {
        if (ownPage) {
            page = ownPage;
            pageView = new QWidget;
        } else {
            auto* view = new QWebEngineView;
            webPage = std::make_unique<WebEnginePage>(view);
            page = webPage.get();
            pageView = view;
        }
    }

    // Hands the view to the window, which takes it.
    MainWindowParts parts() {
        return {session, *page, pageView, clipboard, lists,
                sizes,   posts, measurer, check,     &autosave};
    }

    Session& session;
    std::unique_ptr<WebEnginePage> webPage;
    BrowserPage* page = nullptr;
    QWidget* pageView = nullptr;
    Clipboard& clipboard;
    WatchLists lists;
    PageFetcher sizes;
    PageFetcher posts;
    PostMeasurer measurer;
    ReplyCheck check;
    ListsAutosave autosave;
};

// A control of a window by its name; a missing control ends the test run with its name.
template <typename T> T* control(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

} // namespace quillbox::test
