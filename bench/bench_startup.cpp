// Start-up cost: from the splash timer's tick to the main window shown with its
// chapter painted, beside a bare Qt window shown and painted in the same run.
//   bench_startup                      Google Benchmark timings
//   bench_startup rss main|bare        resident memory (KiB) once the window is painted
#include "app/frmprovs.h"
#include "app/windows.h"
#include "controls/textbox.h"
#include "main/frmmain.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {
// Waits until the widget has received a paint event.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QWidget* w) { w->installEventFilter(this); }
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void waitPainted(PaintWatch& watch)
{
    QElapsedTimer t;
    t.start();
    while (!watch.painted && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The main window through the splash timer's own handler.
void showMainWindow()
{
    frmProvS.get();
    frmProvS->Timer2->stop();
    frmProvS->Timer2_Timer();
    PaintWatch watch(frmMain->txtProverbs->viewport());
    waitPainted(watch);
}

// A bare window of the same size holding a text box with the same chapter text.
std::unique_ptr<QWidget> showBareWindow(const QString& text)
{
    auto w = std::make_unique<QWidget>();
    w->resize(790, 526);
    auto* edit = new QPlainTextEdit(w.get());
    edit->setGeometry(40, 48, 361, 369);
    edit->setPlainText(text);
    PaintWatch watch(edit->viewport());
    w->show();
    waitPainted(watch);
    return w;
}

QString chapterOne()
{
    return frmMain->txtProverbs->text();
}

void BM_MainWindowFromSplashTick(benchmark::State& state)
{
    for (auto _ : state) {
        showMainWindow();
        state.PauseTiming();
        destroyAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowFromSplashTick)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BareWindowBaseline(benchmark::State& state)
{
    showMainWindow();
    const QString text = chapterOne();
    destroyAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto _ : state) {
        auto w = showBareWindow(text);
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWindowBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0);

long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installPlatform(std::make_unique<QtPlatform>());
    if (argc == 3 && std::strcmp(argv[1], "rss") == 0) {
        std::unique_ptr<QWidget> bare;
        if (std::strcmp(argv[2], "main") == 0)
            showMainWindow();
        else
            bare = showBareWindow(QString(2900, u'x'));
        std::printf("%ld\n", residentKiB());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
