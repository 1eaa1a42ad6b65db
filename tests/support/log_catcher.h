#pragma once

#include <QLoggingCategory>
#include <QStringList>

namespace quillbox::test {

// Catches what is logged while it lives, with `rules` switched on ("quillbox.check.info=true",
// as QT_LOGGING_RULES writes them); puts the handler and the rules back when it goes.
class LogCatcher {
public:
    explicit LogCatcher(const QString& rules) {
        lines().clear();
        QLoggingCategory::setFilterRules(rules);
        m_previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (type != QtDebugMsg)
                    lines().append(QString::fromLatin1(context.category) + u' ' + text);
            });
    }
    ~LogCatcher() {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    Q_DISABLE_COPY_MOVE(LogCatcher)

    // Each line logged at info or above, "category text", in order; debug detail is left out.
    static QStringList& lines() {
        static QStringList caught;
        return caught;
    }

private:
    QtMessageHandler m_previous = nullptr;
};

} // namespace quillbox::test
