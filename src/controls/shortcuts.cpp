#include "shortcuts.h"

#include <QKeyEvent>
#include <QObject>

namespace {
class YieldFilter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (shortcuts::isMenuShortcut(e)) {
            e->ignore(); // not overridden: the shortcut runs
            return true;
        }
        return false;
    }
};
} // namespace

bool shortcuts::isMenuShortcut(const QEvent* e)
{
    if (e->type() != QEvent::ShortcutOverride)
        return false;
    const auto* k = static_cast<const QKeyEvent*>(e);
    if (k->modifiers() != Qt::ControlModifier)
        return false;
    switch (k->key()) {
    case Qt::Key_C: case Qt::Key_X: case Qt::Key_V: case Qt::Key_Z: case Qt::Key_F:
    case Qt::Key_B: case Qt::Key_O: case Qt::Key_S: case Qt::Key_P: case Qt::Key_Q:
        return true;
    default:
        return false;
    }
}

void shortcuts::yieldToMenus(QObject* widget)
{
    widget->installEventFilter(new YieldFilter(widget));
}
