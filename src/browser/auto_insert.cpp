#include "browser/auto_insert.h"

#include "browser/insert_follow_up.h"
#include "browser/posting_form_scan.h"
#include "platform/user_messages.h"
#include "store/data_folder.h"

#include <QPointer>
#include <limits>

namespace quillbox {

QString autoInsertErrorTitle() {
    return QStringLiteral("Auto-Insert Error");
}

QString autoInsertErrorText() {
    return QStringLiteral("Could not auto-insert your message.  Try pasting instead.");
}

namespace {

// The page addresses forms and fields with int; a position beyond that cannot be written to.
bool fitsInt(qsizetype n) {
    return n <= std::numeric_limits<int>::max();
}

} // namespace

AutoInsert::AutoInsert(BrowserPage& page, UserMessages& messages, InsertFollowUp& followUp,
                       QString dataFolder, MessageSource convertedMessage, QObject* parent)
    : QObject(parent), m_page(page), m_messages(messages), m_followUp(followUp),
      m_dataFolder(std::move(dataFolder)), m_convertedMessage(std::move(convertedMessage)) {}

void AutoInsert::insertMessage() {
    if (m_busy)
        return;
    m_busy = true;
    const quint64 generation = m_page.pageGeneration();
    QPointer<AutoInsert> self(this);
    m_page.readBodyHtml([self, generation](std::optional<BodyHtml> body) {
        if (self)
            self->onBodyRead(body, generation);
    });
}

void AutoInsert::onBodyRead(const std::optional<BodyHtml>& body, quint64 generation) {
    if (generation != m_page.pageGeneration()) {
        fail(QStringLiteral("The page changed while it was being read. Press Auto-Insert again "
                            "once the page you want to post on is shown."));
        return;
    }
    if (!body) {
        fail(QStringLiteral("The browser shows no page to insert into."));
        return;
    }
    const PostingFormScan scan =
        scanPostingPage(*body, dataFilePath(m_dataFolder, scratchPageFileName()));
    if (!scan.status.ok) {
        fail(scan.status.message);
        return;
    }
    if (scan.found() && fitsInt(scan.form) && fitsInt(scan.field))
        writeToScannedField(FieldTarget{int(scan.form), int(scan.field)});
    else
        writeWherePersonWouldType();
}

void AutoInsert::writeToScannedField(const FieldTarget& target) {
    const QString text = m_convertedMessage ? m_convertedMessage() : QString();
    // Reaching the writing step arms the follow-up, whatever the write then gives.
    m_followUp.recordInsert(text);
    QPointer<AutoInsert> self(this);
    m_page.writeMessage(target, text, [self](WrittenField written) {
        if (!self)
            return;
        if (written == WrittenField::None)
            self->fail();
        else
            self->finish(true);
    });
}

void AutoInsert::writeWherePersonWouldType() {
    const QString text = m_convertedMessage ? m_convertedMessage() : QString();
    QPointer<AutoInsert> self(this);
    m_page.writeMessage(FieldTarget{}, text, [self, text](WrittenField written) {
        if (!self)
            return;
        if (written == WrittenField::None) {
            self->fail();
            return;
        }
        self->m_followUp.recordInsert(text);
        self->finish(true);
    });
}

void AutoInsert::fail(const QString& detail) {
    m_messages.showMessage(autoInsertErrorTitle(), autoInsertErrorText(), MessageIcon::None,
                           detail);
    finish(false);
}

void AutoInsert::finish(bool inserted) {
    m_busy = false;
    emit finished(inserted);
}

} // namespace quillbox
