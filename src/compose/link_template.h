#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace quillbox {

class AppSettings;
class SettingsStore;

// How one forum dialect writes a link: LinkOpen01 + target + LinkOpen02 + text + LinkClose01,
// with MailCall01 in front of an e-mail address in the target.
struct LinkTemplate {
    QString Name;
    QString LinkOpen01;
    QString LinkOpen02;
    QString LinkClose01;
    QString MailCall01;

    bool operator==(const LinkTemplate&) const = default;
};

// Always eight, in this order: html, ubb, ezboard (built in), custom 1 to custom 5.
inline constexpr int templateCount = 8;
using TemplateSet = std::array<LinkTemplate, templateCount>;

// The storage key prefix of each position: "html", "ubb", "ez", "cust01" … "cust05".
const std::array<QString, templateCount>& templateKeyPrefixes();
// The five field names in storage order: "Name", "LinkOpen01", "LinkOpen02", "LinkClose01",
// "MailCall01".
const std::array<QString, 5>& templateFieldNames();

TemplateSet defaultTemplates();

// Reads the 40 keys from section "data" of the program's settings; a key that does not exist
// gives the default, a stored "" stays "".
TemplateSet loadTemplates(const AppSettings& settings);
// Writes all 40 keys, empty values included. False when the settings could not be written.
bool saveTemplates(AppSettings& settings, const TemplateSet& templates);
// The same, straight on a settings store (the command-line converter, tests).
TemplateSet loadTemplates(SettingsStore& store);
bool saveTemplates(SettingsStore& store, const TemplateSet& templates);

// The rows of the format drop-down: "text", then every non-empty template name in array order.
QStringList formatNames(const TemplateSet& templates);

} // namespace quillbox
