#pragma once

#include "support/recording_messages.h"
#include "watch/fetch_messages.h"
#include "watch/page_fetcher.h"

#include <QList>
#include <QPair>
#include <QSignalSpy>
#include <QTest>

// A fetcher with its signals watched, for the watch tests. `messages` records the boxes of
// whatever is built on the fetcher (a reply check, a measurer); the fetcher itself shows none.
struct FetcherHarness {
    quillbox::test::RecordingMessages messages;
    quillbox::PageFetcher fetcher;
    QSignalSpy completed{&fetcher, &quillbox::PageFetcher::completed};
    QSignalSpy failed{&fetcher, &quillbox::PageFetcher::failed};
    QList<QPair<int, QString>> panels;
    QList<quillbox::FetchError> errors;

    FetcherHarness() {
        QObject::connect(&fetcher, &quillbox::PageFetcher::panelText, &fetcher,
                         [this](int panel, const QString& text) {
                             panels.append({panel, text});
                         });
        QObject::connect(&fetcher, &quillbox::PageFetcher::failed, &fetcher,
                         [this](const quillbox::FetchError& error) { errors.append(error); });
    }

    QStringList panel(int n) const {
        QStringList out;
        for (const auto& p : panels) {
            if (p.first == n)
                out.append(p.second);
        }
        return out;
    }
    // The boxes the window shows for the failures reported so far.
    quillbox::test::RecordingMessages boxes() const {
        quillbox::test::RecordingMessages shown;
        for (const quillbox::FetchError& error : errors)
            quillbox::showFetchFailure(shown, error);
        return shown;
    }
    // Waits until the fetch has ended one way or the other.
    bool waitForEnd() {
        return QTest::qWaitFor([this] { return completed.size() + failed.size() > 0; }, 20000);
    }
    qint64 size() const { return completed.value(0).value(0).toLongLong(); }
};
