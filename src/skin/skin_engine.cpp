#include "skin/skin_engine.h"

namespace quillbox {

SkinEngine& SkinEngine::instance() {
    static SkinEngine engine;
    return engine;
}

void SkinEngine::attach(const Skin& skin) {
    m_skin = skin;
    if (m_state != State::Running)
        m_state = State::Attached;
}

bool SkinEngine::start() {
    if (!m_skin)
        return false;
    m_state = State::Running;
    return true;
}

void SkinEngine::shutDown() {
    m_skin.reset();
    m_state = State::ShutDown;
}

} // namespace quillbox
