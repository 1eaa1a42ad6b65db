#pragma once

#include "shell/program.h"
#include "store/settings_store.h"
#include "support/manual_clock.h"
#include "support/recording_browser_page.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"

#include <memory>

namespace quillbox::test {

// A program without a window over folders of its own, with seams that record what it does: what
// the program's tests share. renew() in a test's init(), release() in its cleanup().
struct ProgramFixture {
    std::unique_ptr<TestFolders> folders;
    std::unique_ptr<SettingsStore> settings;
    RecordingMessages messages;
    ManualClock clock;
    RecordingBrowserPage page;
    std::unique_ptr<Program> program;

    // New, empty folders and settings, and no messages told yet.
    void renew() {
        release();
        folders = std::make_unique<TestFolders>();
        settings = std::make_unique<SettingsStore>(folders->settingsFolder());
        messages.entries.clear();
    }
    // The program ends before the files it wrote go.
    void release() {
        program.reset();
        settings.reset();
        folders.reset();
    }
    // A new program over the folders, not started (the one before it ends first).
    Program& makeProgram() {
        program.reset();
        program = std::make_unique<Program>(
            ProgramSeams{folders->dataFolder(), *settings, messages, clock, page, nullptr});
        return *program;
    }
};

} // namespace quillbox::test
