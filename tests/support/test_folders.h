#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillbox::test {

// A private data folder and settings folder for one test, removed afterwards. Also switches
// QStandardPaths into test mode so nothing touches the real profile.
class TestFolders {
public:
    TestFolders();
    bool isValid() const { return m_root.isValid(); }
    QString dataFolder() const;
    QString settingsFolder() const;
    QString path(const QString& fileName) const; // a file inside the data folder

private:
    QTemporaryDir m_root;
};

// Reads a whole file as bytes ("" when it cannot be read).
QByteArray readBytes(const QString& path);
// Writes bytes to a file, replacing it; false when that failed.
bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace quillbox::test
