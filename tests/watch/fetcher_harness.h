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
        // The status bar's panels, as the window writes them from the fetcher's progress.
        QObject::connect(&fetcher, &quillbox::PageFetcher::stageChanged, &fetcher,
                         [this](quillbox::FetchStage stage) {
                             if (stage == quillbox::FetchStage::Starting)
                                 panels.append({3, QString()});
                             else
                                 panels.append({2, quillbox::fetchStageText(stage)});
                         });
        QObject::connect(
            &fetcher, &quillbox::PageFetcher::progressed, &fetcher,
            [this](qint64 bytes, qint64 declared) {
                panels.append({3, quillbox::HttpReplyReader::progressText(bytes, declared)});
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
    quillbox::FetchResult result(int n = 0) const {
        return completed.value(n).value(0).value<quillbox::FetchResult>();
    }
    qint64 size() const { return result().bodySize; }
};
