#include "browser/auto_insert.h"

#include "browser/insert_follow_up.h"
#include "browser/posting_form_scan.h"
#include "platform/logging.h"
#include "platform/user_messages.h"
#include "store/data_folder.h"

#include <QCoreApplication>
#include <QPointer>
#include <limits>

namespace quillbox {

QString autoInsertErrorTitle() {
    return QCoreApplication::translate("quillbox::AutoInsert", "Auto-Insert Error");
}

QString autoInsertErrorText() {
    return QCoreApplication::translate("quillbox::AutoInsert",
                                       "Could not auto-insert your message.  Try pasting instead.");
}

namespace {

// The page addresses forms and fields with int; a position beyond that cannot be written to.
bool fitsInt(qsizetype n) {
    return n <= std::numeric_limits<int>::max();
}

QString pageChangedDetail() {
    return QCoreApplication::translate(
        "quillbox::AutoInsert", "The page changed while it was being read. Press Auto-Insert again "
                                "once the page you want to post on is shown.");
}

} // namespace

AutoInsert::AutoInsert(BrowserPage& page, UserMessages& messages, InsertFollowUp& followUp,
                       QString dataFolder, MessageSource convertedMessage, QObject* parent)
    : QObject(parent), m_page(page), m_messages(messages), m_followUp(followUp),
      m_dataFolder(std::move(dataFolder)), m_convertedMessage(std::move(convertedMessage)) {
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(defaultAnswerTimeout);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        const auto seconds = std::chrono::duration<double>(m_timeout.intervalAsDuration());
        fail(QCoreApplication::translate(
                 "quillbox::AutoInsert",
                 "The page did not answer within %1 seconds; its scripts may be busy. "
                 "Reload the page and try again.")
                 .arg(seconds.count(), 0, 'g', 3));
    });
    connect(&m_page, &BrowserPage::downloadBegan, this, [this] {
        // Once the text has gone to the page, a new page is the user moving on (a submit, quick
        // as it may be), not a page that changed under the insert.
        if (m_busy && m_writing) {
            if (m_unconfirmedInsert)
                m_followUp.recordInsert(m_unconfirmedInsert->first, m_unconfirmedInsert->second);
            finish(true);
        } else if (m_busy)
            fail(pageChangedDetail());
    });
    connect(&m_page, &BrowserPage::rendererEnded, this, [this] {
        if (m_busy)
            fail(QCoreApplication::translate(
                "quillbox::AutoInsert",
                "The page stopped working before it answered. Reload the page "
                "and try again."));
    });
}

void AutoInsert::insertMessage() {
    if (m_busy) {
        qCInfo(logInsert) << "insert not started: one is going on";
        return;
    }
    qCInfo(logInsert) << "insert started";
    m_busy = true;
    m_writing = false;
    m_subjectInserted = false;
    const quint64 attempt = ++m_attempt;
    m_timeout.start();
    const quint64 generation = m_page.pageGeneration();
    QPointer<AutoInsert> self(this);
    m_page.readBodyHtml([self, generation, attempt](std::optional<BodyHtml> body) {
        if (self && self->current(attempt))
            self->onBodyRead(body, generation);
    });
}

void AutoInsert::onBodyRead(const std::optional<BodyHtml>& body, quint64 generation) {
    if (generation != m_page.pageGeneration()) {
        fail(pageChangedDetail());
        return;
    }
    if (!body) {
        fail(QCoreApplication::translate("quillbox::AutoInsert",
                                         "The browser shows no page to insert into."));
        return;
    }
    const PostingFormScan scan =
        scanPostingPage(*body, dataFilePath(m_dataFolder, scratchPageFileName()));
    if (!scan.status.ok) {
        fail(scan.status.message);
        return;
    }
    if (scan.found() && fitsInt(scan.form) && fitsInt(scan.field)) {
        qCInfo(logInsert) << "the posting form was found: form" << scan.form << "field"
                          << scan.field;
        writeToScannedField(FieldTarget{int(scan.form), int(scan.field)});
    } else {
        qCInfo(logInsert) << "no posting form was found: writing where a person would type";
        writeWherePersonWouldType();
    }
}

void AutoInsert::writeToScannedField(const FieldTarget& target) {
    const QString text = m_convertedMessage ? m_convertedMessage() : QString();
    // Reaching the writing step arms the follow-up, whatever the write then gives.
    m_followUp.recordInsert(text, m_plainMessage ? m_plainMessage() : QString());
    QPointer<AutoInsert> self(this);
    const QString subject = m_subject ? m_subject() : QString();
    m_writing = true;
    m_page.writeMessage(target, text, subject,
                        [self, attempt = m_attempt](WrittenField written, bool subjectWritten) {
                            if (!self || !self->current(attempt))
                                return;
                            self->m_subjectInserted = subjectWritten;
                            if (written == WrittenField::None)
                                self->fail();
                            else
                                self->finish(true);
                        });
}

void AutoInsert::writeWherePersonWouldType() {
    const QString text = m_convertedMessage ? m_convertedMessage() : QString();
    const QString plain = m_plainMessage ? m_plainMessage() : QString();
    QPointer<AutoInsert> self(this);
    const QString subject = m_subject ? m_subject() : QString();
    m_writing = true;
    // Only a field the page found arms the follow-up: a page with nowhere to type got nothing.
    m_unconfirmedInsert.emplace(text, plain);
    m_page.writeMessage(FieldTarget{}, text, subject,
                        [self, attempt = m_attempt](WrittenField written, bool subjectWritten) {
                            if (!self || !self->current(attempt))
                                return;
                            self->m_subjectInserted = subjectWritten;
                            if (written == WrittenField::None) {
                                self->fail();
                                return;
                            }
                            self->m_followUp.recordInsert(self->m_unconfirmedInsert->first,
                                                          self->m_unconfirmedInsert->second);
                            self->finish(true);
                        });
}

void AutoInsert::fail(const QString& detail) {
    qCInfo(logInsert).noquote() << "insert failed:"
                                << (detail.isEmpty() ? QStringLiteral("no field took the text")
                                                     : detail);
    m_messages.showMessage(autoInsertErrorTitle(), autoInsertErrorText(), MessageIcon::None,
                           detail);
    finish(false);
}

void AutoInsert::finish(bool inserted) {
    if (inserted)
        qCInfo(logInsert) << "inserted," << (m_subjectInserted ? "with" : "without")
                          << "a subject field";
    m_busy = false;
    m_unconfirmedInsert.reset();
    m_timeout.stop();
    emit finished(inserted);
}

} // namespace quillbox
