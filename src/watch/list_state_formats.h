#pragma once

#include "watch/list_state.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

// The file formats of the state beside the lists, for list_state.cpp: the text it is written in,
// and the JSON files of earlier versions, which are still read.
namespace quillbox::list_state_format {

// The words results are kept with in either format; they never change, whatever the program
// shows.
QString outcomeWord(CheckOutcome outcome);
std::optional<CheckOutcome> outcomeOf(QStringView word);

// The page the user has read the thread up to: its last page, or the address itself.
inline QString readPage(const ThreadState& t) {
    return t.lastPage.isEmpty() ? t.address : t.lastPage;
}

// Whether the bytes are a file in the text format (its first line names it).
bool isText(const QByteArray& bytes);
QByteArray writeText(const ListState& state);
ListState readText(const QByteArray& bytes, bool* damaged);

// lists-state.json, versions 1 to 3.
ListState readJson(const QByteArray& bytes, bool* damaged);

} // namespace quillbox::list_state_format
