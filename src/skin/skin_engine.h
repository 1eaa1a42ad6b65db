#pragma once

#include "skin/skin.h"

#include <optional>

namespace quillbox {

// The skin engine: one for the program. The splash window attaches the shared skin object's
// skin and starts it; the window that ends the program shuts it down just before. While it
// runs, windows the program does not build itself (message boxes) wear the skin too.
class SkinEngine {
public:
    enum class State { Detached, Attached, Running, ShutDown };

    static SkinEngine& instance();

    // Takes the skin of the shared skin object. Attaching again replaces it (a splash window
    // loaded again brings its own); a running engine keeps running.
    void attach(const Skin& skin);
    // Starts drawing with the attached skin; false when no skin is attached.
    bool start();
    // Stops for good: nothing is drawn with the skin any more until it is attached and
    // started again.
    void shutDown();

    State state() const { return m_state; }
    bool running() const { return m_state == State::Running; }
    const std::optional<Skin>& skin() const { return m_skin; }

private:
    SkinEngine() = default;

    State m_state = State::Detached;
    std::optional<Skin> m_skin;
};

} // namespace quillbox
