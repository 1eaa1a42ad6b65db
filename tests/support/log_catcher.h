#pragma once

#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

namespace quillbox::test {

// Catches what is logged while it lives, with `rules` switched on (written as QT_LOGGING_RULES
// writes them, "quillbox.check.info=true"), and puts the handler and the rules back when it
// goes. One at a time: the handler is the process's.
class LogCatcher {
public:
    struct Entry {
        QString category;
        QtMsgType type;
        QString text;
    };

    explicit LogCatcher(const QString& rules) {
        caught().clear();
        QLoggingCategory::setFilterRules(rules);
        m_previous = qInstallMessageHandler(&LogCatcher::keep);
    }
    ~LogCatcher() {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    LogCatcher(const LogCatcher&) = delete;
    LogCatcher& operator=(const LogCatcher&) = delete;

    // The texts logged to `category` at `type`, in order.
    QStringList texts(const QString& category, QtMsgType type) const {
        QStringList out;
        for (const Entry& e : caught())
            if (e.category == category && e.type == type)
                out.append(e.text);
        return out;
    }
    // Every line caught, "category type: text", for a failure message and for what must never
    // be logged.
    QString all() const {
        QStringList lines;
        for (const Entry& e : caught())
            lines.append(e.category + u' ' + QString::number(int(e.type)) + u": " + e.text);
        return lines.join(u'\n');
    }

private:
    static QList<Entry>& caught() {
        static QList<Entry> entries;
        return entries;
    }
    static void keep(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        caught().append({QString::fromLatin1(context.category), type, text});
    }

    QtMessageHandler m_previous = nullptr;
};

} // namespace quillbox::test
