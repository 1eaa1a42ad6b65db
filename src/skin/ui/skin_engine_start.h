#pragma once

namespace quillbox {

class SkinControl;

// Hands the shared skin object's skin to the skin engine and starts it. While the engine runs,
// dialogs the program does not build itself (message boxes) are skinned as they open.
void attachAndStartSkinEngine(const SkinControl& skin);

} // namespace quillbox
