#include "frmhelp.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "records/databar.h"
#include "reference/pagecontrols.h"
#include "reference/sprinkler.h"
#include "reference/uniformsource.h"

#include <QExposeEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

FrmHelp::FrmHelp()
    : Form(QStringLiteral("frmHelp"), caption(QStringLiteral("Quillmere"), 106, QStringLiteral("Help")),
           QRect(1740, 945, 8835, 6825), Frame::FixedDialog)
    , m_random(std::make_unique<RandomUniformSource>())
{
    // The text boxes lie on the window's own background colour, without a border.
    const QColor background = palette().color(QPalette::Window);

    Text1 = pagecontrols::readingBox(this, QStringLiteral("Text1"), twips::rect(1560, 1200, 5775, 4455));
    Text1->setAccessibleName(QStringLiteral("Help text"));
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setColors(Text1, background, colors::darkRed);
    Text1->setFont(fonts::systemBold());

    cmdExit = pagecontrols::button(this, QStringLiteral("cmdExit"), QStringLiteral("&Return"),
                                   twips::rect(2880, 5880, 2775, 495));
    connect(cmdExit, &QPushButton::clicked, this, &FrmHelp::cmdExit_Click);

    Text2 = pagecontrols::readingBox(this, QStringLiteral("Text2"), twips::rect(1080, 120, 6615, 810));
    Text2->setAccessibleName(QStringLiteral("Quillmere"));
    Text2->setMultiLine(false);
    Text2->setFrameShape(QFrame::NoFrame);
    Text2->setCentred(true);
    setColors(Text2, background, colors::teal);
    Text2->setFont(fonts::font(QStringLiteral("Times New Roman"), 36, 700, true));
    Text2->setText(QStringLiteral("Quillmere"));

    DataH = new DataBar(QStringLiteral("phelp.mdb"), QStringLiteral("phelp"), {QStringLiteral("phelp")}, this);
    DataH->setObjectName(QStringLiteral("DataH"));
    DataH->setGeometry(twips::rect(120, 6000, 1140, 375));
    DataH->setCaption(QStringLiteral("Data1"));
    DataH->hide();
    DataH->bind(Text1, QStringLiteral("phelp"));

    Form_Load();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60);
    connect(Timer1, &QTimer::timeout, this, &FrmHelp::Timer1_Timer);
    Timer1->start();

    DataH->open();
    cmdExit->setFocus();
}

FrmHelp::~FrmHelp() = default;

void FrmHelp::Form_Load()
{
    drawFlag = 1;
}

void FrmHelp::cmdExit_Click()
{
    frmHelp.hide();
}

void FrmHelp::setRandomSource(std::unique_ptr<UniformSource> source)
{
    m_random = std::move(source);
}

void FrmHelp::Timer1_Timer()
{
    if (drawFlag != 1)
        return;
    const QSize client = size();
    const QVector<SprinklePoint> points =
        sprinkler::sprinkle(*m_random, float(client.width() * twips::perPixel),
                            float(client.height() * twips::perPixel));
    // A hidden window keeps drawing, without anything to show for it.
    if (!isVisible())
        return;

    // Only the points' own pixels are repainted. A point under a control stays hidden
    // behind it, so it costs the control no repaint.
    QRegion dirty;
    m_undrawn.clear();
    for (const SprinklePoint& p : points) {
        const QPoint at = sprinkler::pixel(p, client);
        if (childAt(at))
            continue;
        m_undrawn.append({at, QColor(p.red, p.green, p.blue)});
        dirty += QRect(at, QSize(1, 1));
    }
    update(dirty);
}

void FrmHelp::paintEvent(QPaintEvent*)
{
    // The background under the points is already plain: only the new points are set.
    if (m_undrawn.isEmpty())
        return;
    QPainter p(this);
    for (const Dot& d : std::as_const(m_undrawn))
        p.fillRect(QRect(d.pixel, QSize(1, 1)), d.colour);
    m_undrawn.clear();
}

void FrmHelp::showEvent(QShowEvent* e)
{
    // Shown again, the window starts from a clear background.
    m_undrawn.clear();
    Form::showEvent(e);
    if (!m_watchingExposure && windowHandle()) {
        windowHandle()->installEventFilter(this);
        m_watchingExposure = true;
    }
}

bool FrmHelp::eventFilter(QObject* watched, QEvent* e)
{
    // Uncovered after another window lay over it, the part that comes to light is
    // painted afresh, so the points that were there are gone.
    if (e->type() == QEvent::Expose && watched == windowHandle()) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        const QRegion exposed = static_cast<QExposeEvent*>(e)->region();
        QT_WARNING_POP
        m_undrawn.clear();
        update(exposed.isEmpty() ? rect() : exposed);
    }
    return Form::eventFilter(watched, e);
}
