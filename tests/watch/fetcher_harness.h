#pragma once

#include "support/recording_messages.h"
#include "watch/page_fetcher.h"

#include <QList>
#include <QPair>
#include <QSignalSpy>
#include <QTest>

// A fetcher with its messages recorded and its signals watched, for the watch tests.
struct FetcherHarness {
    quillbox::test::RecordingMessages messages;
    quillbox::PageFetcher fetcher{messages};
    QSignalSpy completed{&fetcher, &quillbox::PageFetcher::completed};
    QSignalSpy failed{&fetcher, &quillbox::PageFetcher::failed};
    QList<QPair<int, QString>> panels;

    FetcherHarness() {
        QObject::connect(&fetcher, &quillbox::PageFetcher::panelText, &fetcher,
                         [this](int panel, const QString& text) {
                             panels.append({panel, text});
                         });
    }

    QStringList panel(int n) const {
        QStringList out;
        for (const auto& p : panels) {
            if (p.first == n)
                out.append(p.second);
        }
        return out;
    }
    // Waits until the fetch has ended one way or the other.
    bool waitForEnd() {
        return QTest::qWaitFor([this] { return completed.size() + failed.size() > 0; }, 20000);
    }
    qint64 size() const { return completed.value(0).value(0).toLongLong(); }
};
