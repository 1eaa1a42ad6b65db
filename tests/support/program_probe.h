#pragma once

#include "shell/program.h"
#include "watch/lists_preload.h"

#include <functional>

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
    // Before startUp: the lists' state is read on, and put on the lists after the start, however
    // small, once `gate` (run on the reading thread) returns.
    void holdListState(std::function<void()> gate) const {
        program.m_preload = std::make_unique<ListsPreload>(program.m_dataFolder, std::move(gate));
        program.m_stateWaitBytes = -1;
    }
};

inline ProgramProbe probe(Program& program) {
    return {program};
}

} // namespace quillbox
