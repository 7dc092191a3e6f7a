#include "form.h"

#include "controls/picture.h"
#include "twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

Form::Form(const QString& name, const QString& caption, QRect clientTwips, Frame frame)
{
    setObjectName(name);
    setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (frame != Frame::FixedDialogNoClose)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowIcon(Picture::icon(QStringLiteral(":/pictures/redbook.svg")));
    setGeometry(twips::rect(clientTwips.x(), clientTwips.y(), clientTwips.width(), clientTwips.height()));
    setFixedSize(size());
    setSizeGripEnabled(false);
    setModal(false);
}

QString Form::caption(const QString& prefix, int total, const QString& suffix)
{
    return prefix + QString(total - prefix.size() - suffix.size(), u' ') + suffix;
}

void Form::closeEvent(QCloseEvent* e)
{
    // The close box destroys the window; the next opening creates it afresh.
    m_closing = true;
    setAttribute(Qt::WA_DeleteOnClose);
    // Not QDialog::closeEvent: it would call our reject(), which does nothing, and then
    // refuse the close because the window is still visible.
    e->accept();
}

void Form::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (m_cancel && m_cancel->isEnabled())
            m_cancel->click();
        return; // without a cancel button Esc does nothing
    }
    QDialog::keyPressEvent(e);
}
