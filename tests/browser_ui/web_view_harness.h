#pragma once

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace quillbox::test {

// WebEngine can be slow to start on a busy machine; these waits only bound a hang.
inline constexpr int webWait = 60000;

// Runs a script in the page's main world, where the page's own scripts live, and answers its
// value (invalid when the page gave none in time).
inline QVariant evaluate(QWebEnginePage* page, const QString& script,
                         quint32 world = QWebEngineScript::MainWorld) {
    auto answer = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, world, [answer](const QVariant& v) { *answer = v; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, webWait))
        return {};
    return **answer;
}

// Loads an address into the view's page and waits for it to finish.
inline bool loadAndWait(QWebEnginePage* page, const QString& address) {
    QSignalSpy finished(page, &QWebEnginePage::loadFinished);
    page->load(QUrl(address));
    if (!QTest::qWaitFor([&] { return finished.count() > 0; }, webWait))
        return false;
    return finished.last().value(0).toBool();
}

} // namespace quillbox::test
