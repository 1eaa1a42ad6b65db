#pragma once

#include "shell/program.h"

namespace quillbox {

class AppSettings;
class BackgroundCheck;
class CookieFileKeeper;
class ForumCookieJar;
class InsertFollowUp;
class ListsAutosave;
class PostQueue;
class ReplyCheck;
class WatchLists;

// The parts a program owns, for tests that set up a state or look at one that no intent of the
// program reaches (a new reply found, a cookie the browser stored, how far a follow-up counted).
struct ProgramProbe {
    Program& program;

    AppSettings& settings() const { return *program.m_settings; }
    WatchLists& lists() const { return *program.m_lists; }
    ReplyCheck& replyCheck() const { return *program.m_replyCheck; }
    BackgroundCheck& background() const { return *program.m_background; }
    ForumCookieJar& cookies() const { return *program.m_cookies; }
    CookieFileKeeper& cookieFile() const { return *program.m_cookieFile; }
    ListsAutosave& autosave() const { return *program.m_autosave; }
    InsertFollowUp& followUp() const { return *program.m_followUp; }
    PostQueue& postQueue() const { return *program.m_queue; }
};

inline ProgramProbe probe(Program& program) {
    return {program};
}

} // namespace quillbox
