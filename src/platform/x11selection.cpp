#include "x11selection.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

bool x11selection::clipboardHasOwner()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false; // not on X: the platform's clipboard answers for itself
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, 9, "CLIPBOARD"), nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    free(owner);
    free(atom);
    return owned;
}
