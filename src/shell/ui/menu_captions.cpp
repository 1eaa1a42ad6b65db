#include "shell/ui/menu_captions.h"

#include <QtGlobal>

namespace quillbox {

QStringList menuCaptionSources() {
    static const char* const captions[] = {
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&File"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Tools"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&View"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Help"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "About"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&New Message"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Save Message"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Load Message"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "E&xit"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Preview"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Auto &Insert"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Check Replies"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Options"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Paste Message"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Paste Subject"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Paste Username"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Paste Password"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Mark as Read"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Mark &All as Read"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Reply Check Se&ttings..."),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Post to &Selected Forums"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Use Current Page as &Posting Page"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Post &History"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Saved Messages"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&All posts"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Replies"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Templates"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "Use the system's colours"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "View &Help"),
        QT_TRANSLATE_NOOP("quillbox::MainWindow", "About this software"),
    };
    QStringList out;
    for (const char* caption : captions)
        out << QString::fromUtf8(caption);
    return out;
}

} // namespace quillbox
