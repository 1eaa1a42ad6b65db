#include "compose/link_template.h"

#include "store/app_settings.h"

namespace quillbox {

namespace {

// The fields of a template in storage order, matching templateFieldNames().
std::array<QString*, 5> fieldsOf(LinkTemplate& t) {
    return {&t.Name, &t.LinkOpen01, &t.LinkOpen02, &t.LinkClose01, &t.MailCall01};
}

std::array<const QString*, 5> fieldsOf(const LinkTemplate& t) {
    return {&t.Name, &t.LinkOpen01, &t.LinkOpen02, &t.LinkClose01, &t.MailCall01};
}

} // namespace

const std::array<QString, templateCount>& templateKeyPrefixes() {
    static const std::array<QString, templateCount> prefixes = {
        QStringLiteral("html"),   QStringLiteral("ubb"),    QStringLiteral("ez"),
        QStringLiteral("cust01"), QStringLiteral("cust02"), QStringLiteral("cust03"),
        QStringLiteral("cust04"), QStringLiteral("cust05")};
    return prefixes;
}

const std::array<QString, 5>& templateFieldNames() {
    static const std::array<QString, 5> names = {
        QStringLiteral("Name"), QStringLiteral("LinkOpen01"), QStringLiteral("LinkOpen02"),
        QStringLiteral("LinkClose01"), QStringLiteral("MailCall01")};
    return names;
}

TemplateSet defaultTemplates() {
    TemplateSet set;
    const QString mailto = QStringLiteral("mailto:");
    set[0] = {QStringLiteral("html"), QStringLiteral("<a href='"), QStringLiteral("'>"),
              QStringLiteral("</a>"), mailto};
    set[1] = {QStringLiteral("ubb"), QStringLiteral("[url="), QStringLiteral("]"),
              QStringLiteral("[/url]"), mailto};
    set[2] = {QStringLiteral("ezboard"), QStringLiteral("[link="), QStringLiteral("]"),
              QStringLiteral("[/link]"), mailto};
    // The custom slots start unnamed and empty.
    return set;
}

TemplateSet loadTemplates(const AppSettings& settings) {
    TemplateSet set = defaultTemplates();
    const auto& prefixes = templateKeyPrefixes();
    const auto& names = templateFieldNames();
    for (int t = 0; t < templateCount; ++t) {
        const auto fields = fieldsOf(set[t]);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            *fields[f] = settings.templateField(prefixes[t] + names[f], *fields[f]);
        }
    }
    return set;
}

bool saveTemplates(AppSettings& settings, const TemplateSet& templates) {
    const auto& prefixes = templateKeyPrefixes();
    const auto& names = templateFieldNames();
    QList<std::pair<QString, QString>> values;
    for (int t = 0; t < templateCount; ++t) {
        const auto fields = fieldsOf(templates[t]);
        for (std::size_t f = 0; f < fields.size(); ++f)
            values.append({prefixes[t] + names[f], *fields[f]});
    }
    return settings.setTemplateFields(values);
}

TemplateSet loadTemplates(SettingsStore& store) {
    return loadTemplates(AppSettings(store));
}

bool saveTemplates(SettingsStore& store, const TemplateSet& templates) {
    AppSettings settings(store);
    return saveTemplates(settings, templates);
}

QStringList formatNames(const TemplateSet& templates) {
    QStringList names{QStringLiteral("text")};
    for (const LinkTemplate& t : templates) {
        if (!t.Name.isEmpty())
            names.append(t.Name);
    }
    return names;
}

} // namespace quillbox
