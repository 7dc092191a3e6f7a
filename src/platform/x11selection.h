// Whether another program holds the X clipboard: Qt reads a clipboard whose owner
// never answers as an empty one, and only the owner's presence tells them apart.
#pragma once

namespace x11selection {
// True on an X display where some window owns the CLIPBOARD selection.
bool clipboardHasOwner();
} // namespace x11selection
