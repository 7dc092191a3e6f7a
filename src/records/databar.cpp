#include "databar.h"

#include "controls/textbox.h"
#include "platform/platform.h"
#include "recordsource.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyleOptionButton>

DataBar::DataBar(const QString& fileName, const QString& table, const QStringList& fields,
                 QWidget* parent)
    : QWidget(parent)
    , m_source(new RecordSource(fileName, table, fields, this))
{
    connect(m_source, &RecordSource::currentChanged, this, &DataBar::refresh);
    setFocusPolicy(Qt::NoFocus);
}

void DataBar::bind(TextBox* box, const QString& field)
{
    m_bound.append({box, field});
}

void DataBar::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

QString DataBar::caption() const
{
    return m_caption;
}

void DataBar::open()
{
    const QString error = m_source->open();
    if (!error.isEmpty())
        platform().messageBox(error, QStringLiteral("Quillmere"), MsgIcon::Warning, MsgButtons::Ok);
}

void DataBar::refresh()
{
    for (const auto& [box, field] : m_bound)
        box->setText(m_source->value(field));
}

QRect DataBar::arrowRect(Arrow a) const
{
    const int w = qMin(height(), width() / 6);
    switch (a) {
    case First: return QRect(0, 0, w, height());
    case Previous: return QRect(w, 0, w, height());
    case Next: return QRect(width() - 2 * w, 0, w, height());
    case Last: return QRect(width() - w, 0, w, height());
    case None: break;
    }
    return {};
}

DataBar::Arrow DataBar::arrowAt(QPoint p) const
{
    for (Arrow a : {First, Previous, Next, Last}) {
        if (arrowRect(a).contains(p))
            return a;
    }
    return None;
}

void DataBar::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    switch (arrowAt(e->position().toPoint())) {
    case First: m_source->moveFirst(); break;
    case Previous: m_source->movePrevious(); break;
    case Next: m_source->moveNext(); break;
    case Last: m_source->moveLast(); break;
    case None: break;
    }
}

void DataBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    for (Arrow a : {First, Previous, Next, Last}) {
        const QRect r = arrowRect(a);
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.rect = r;
        opt.state |= QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
        // A black triangle, with a bar before it for the first and last record.
        const QPointF c = QRectF(r).center();
        const qreal s = r.height() / 5.0;
        const bool right = a == Next || a == Last;
        const qreal dir = right ? 1 : -1;
        QPainterPath tri;
        tri.moveTo(c.x() + dir * s, c.y());
        tri.lineTo(c.x() - dir * s, c.y() - s);
        tri.lineTo(c.x() - dir * s, c.y() + s);
        tri.closeSubpath();
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(tri, Qt::black);
        p.setRenderHint(QPainter::Antialiasing, false);
        if (a == First || a == Last)
            p.fillRect(QRectF(c.x() + dir * s, c.y() - s, dir * 2, 2 * s).normalized(), Qt::black);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    const QRect text(arrowRect(Previous).right() + 1, 0,
                     arrowRect(Next).left() - arrowRect(Previous).right() - 1, height());
    p.drawText(text.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, m_caption);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
