#include "platform/qt/page_scripts.h"

#include <QFile>
#include <QJsonDocument>
#include <array>

namespace quillbox::pagescripts {

namespace {

// A script as the resources hold it: the shared prelude and the script's own body, wrapped into
// a function of its arguments. Read from the resources once, on first use.
QString loadScript(const QString& name) {
    const auto read = [](const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            // Built into the program, so this is a broken build: an empty script answers
            // nothing, which every caller takes as a page that refused.
            qCritical("page script %s is missing", qPrintable(path));
            return QString();
        }
        return QString::fromUtf8(file.readAll());
    };
    const QString body = read(QStringLiteral(":/quillbox/scripts/") + name);
    if (body.isEmpty())
        return {};
    return QStringLiteral("(function (args) {\n") +
           read(QStringLiteral(":/quillbox/scripts/prelude.js")) + body + QStringLiteral("\n})(");
}

enum class Script {
    DocumentToken,
    BodyHtml,
    WriteMessage,
    InsertAtFocus,
    LocateText,
    WatchDocument
};

QString script(Script which, const QJsonObject& arguments = {}) {
    static const std::array<QString, 6> scripts = {
        loadScript(QStringLiteral("document_token.js")),
        loadScript(QStringLiteral("body_html.js")),
        loadScript(QStringLiteral("write_message.js")),
        loadScript(QStringLiteral("insert_at_focus.js")),
        loadScript(QStringLiteral("locate_text.js")),
        loadScript(QStringLiteral("watch_document.js")),
    };
    const QString& loaded = scripts[size_t(which)];
    if (loaded.isEmpty())
        return {};
    return loaded + scriptArguments(arguments) + QStringLiteral(");");
}

} // namespace

QString documentToken() {
    return script(Script::DocumentToken);
}

QString bodyHtml(bool withText) {
    return script(Script::BodyHtml, QJsonObject{{QStringLiteral("text"), withText}});
}

QString writeMessage(const QString& token, int form, int field, const QString& text,
                     const QString& subject) {
    return script(Script::WriteMessage, QJsonObject{{QStringLiteral("token"), token},
                                                    {QStringLiteral("form"), form},
                                                    {QStringLiteral("field"), field},
                                                    {QStringLiteral("text"), text},
                                                    {QStringLiteral("subject"), subject}});
}

QString insertAtFocus(const QString& token, const QString& text) {
    return script(Script::InsertAtFocus,
                  QJsonObject{{QStringLiteral("token"), token}, {QStringLiteral("text"), text}});
}

QString locateText(const QString& markup, const QString& shown, bool remember) {
    return script(Script::LocateText, QJsonObject{{QStringLiteral("markup"), markup},
                                                  {QStringLiteral("shown"), shown},
                                                  {QStringLiteral("remember"), remember}});
}

QString watchDocument(bool stop) {
    return script(Script::WatchDocument, QJsonObject{{QStringLiteral("stop"), stop}});
}

QString scriptArguments(const QJsonObject& arguments) {
    const QString json = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    QString out;
    out.reserve(json.size() + json.size() / 16);
    for (const QChar c : json) {
        switch (c.unicode()) {
        case u'<':
            out += QStringLiteral("\\u003c");
            break;
        case u'>':
            out += QStringLiteral("\\u003e");
            break;
        case u'&':
            out += QStringLiteral("\\u0026");
            break;
        case 0x2028:
            out += QStringLiteral("\\u2028");
            break;
        case 0x2029:
            out += QStringLiteral("\\u2029");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace quillbox::pagescripts
