// What the notes commands cost next to the least they could cost: the print layout
// of the longest notes it takes against a loop that only sums the same widths, and
// Open Notes and Save Notes of a 4 MiB file against a plain read and write of the
// same bytes.
#include "notes/cp1252.h"
#include "notes/notesbox.h"
#include "notes/notesfile.h"
#include "notes/printlayout.h"
#include "platform/qtprinterjob.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <QTextDocument>
#include <array>
#include <benchmark/benchmark.h>

namespace {
QTemporaryDir* scratch = nullptr;

// Prose in paragraphs, cut to the given number of characters.
QString notesText(qsizetype length)
{
    const QString verse = QStringLiteral(
        "The fear of the LORD is the beginning of knowledge: but fools despise wisdom and "
        "instruction. My son, hear the instruction of thy father, and forsake not the law "
        "of thy mother.\r\n");
    QString text;
    text.reserve(length + verse.size());
    while (text.size() < length)
        text += verse;
    text.truncate(length);
    return text;
}

// Widths of the notes font in twips, measured once: the layout's own work, apart
// from the printer's.
PrintLayout::Width tableWidths()
{
    static const std::array<double, 256> table = [] {
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(qRound(1440 / 0.0254));
        device.setDotsPerMeterY(qRound(1440 / 0.0254));
        const QFontMetricsF fm(FontAttributes().toFont(), &device);
        std::array<double, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = fm.horizontalAdvance(cp1252::toChar(uchar(b)));
        return t;
    }();
    return [](QChar c) { return std::optional<double>(table[cp1252::toByte(c) & 0xFF]); };
}

// Widths from a printer job, as the Print command measures them.
PrintLayout::Width printerWidths(QtPrinterJob& job)
{
    return [&job](QChar c) { return job.textWidth(c); };
}

void sumWidths(benchmark::State& state, const PrintLayout::Width& width)
{
    const QString text = notesText(32766);
    for (auto _ : state) {
        double sum = 0;
        for (const QChar c : text)
            sum += width(c).value_or(0);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}

void layOut(benchmark::State& state, const PrintLayout::Width& width)
{
    const QString text = notesText(32766);
    PrintLayout layout;
    for (auto _ : state) {
        if (!layout.reformatDoc(text, width))
            state.SkipWithError("the layout failed");
        benchmark::DoNotOptimize(layout.printText.data());
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}

void BM_SumWidths_Table(benchmark::State& state) { sumWidths(state, tableWidths()); }
void BM_Layout_Table(benchmark::State& state) { layOut(state, tableWidths()); }

void BM_SumWidths_Printer(benchmark::State& state)
{
    auto job = QtPrinterJob::pdfFile(scratch->filePath(QStringLiteral("unused.pdf")));
    job->setFont(FontAttributes());
    sumWidths(state, printerWidths(*job));
}

void BM_Layout_Printer(benchmark::State& state)
{
    auto job = QtPrinterJob::pdfFile(scratch->filePath(QStringLiteral("unused.pdf")));
    job->setFont(FontAttributes());
    layOut(state, printerWidths(*job));
}

constexpr qsizetype fourMiB = 4 * 1024 * 1024;

QString fourMiBFile()
{
    const QString path = scratch->filePath(QStringLiteral("notes.txt"));
    if (!QFile::exists(path)) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(cp1252::encode(notesText(fourMiB))) != fourMiB)
            qFatal("cannot write the 4 MiB notes file");
    }
    return path;
}

void BM_PlainRead(benchmark::State& state)
{
    const QString path = fourMiBFile();
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open");
        const QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * fourMiB);
}

// Open Notes: the whole file read and decoded, then put into the notes box.
void BM_OpenNotes(benchmark::State& state)
{
    const QString path = fourMiBFile();
    NotesBox box;
    for (auto _ : state) {
        const notesfile::ReadResult file = notesfile::read(path);
        if (file.status != notesfile::ReadResult::Read)
            state.SkipWithError("cannot read");
        box.setText(file.text);
    }
    state.SetBytesProcessed(state.iterations() * fourMiB);
}

// The file half of Open Notes alone: read and decoded, not yet in the box.
void BM_ReadNotesFile(benchmark::State& state)
{
    const QString path = fourMiBFile();
    for (auto _ : state) {
        const notesfile::ReadResult file = notesfile::read(path);
        benchmark::DoNotOptimize(file.text.data());
    }
    state.SetBytesProcessed(state.iterations() * fourMiB);
}

void BM_PlainWrite(benchmark::State& state)
{
    const QByteArray bytes = cp1252::encode(notesText(fourMiB));
    const QString path = scratch->filePath(QStringLiteral("plain.txt"));
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            state.SkipWithError("cannot write");
        f.close();
    }
    state.SetBytesProcessed(state.iterations() * fourMiB);
}

// The file half of Save Notes alone: encoded, written and renamed into place.
void BM_WriteNotesFile(benchmark::State& state)
{
    const QString text = notesText(fourMiB - 2);
    const QString path = scratch->filePath(QStringLiteral("written.txt"));
    for (auto _ : state) {
        if (!notesfile::write(path, text).isEmpty())
            state.SkipWithError("cannot save");
    }
    state.SetBytesProcessed(state.iterations() * fourMiB);
}

// Save Notes: the text taken from the box after an edit, encoded, written to a
// temporary file and renamed over the notes file.
void BM_SaveNotes(benchmark::State& state)
{
    NotesBox box;
    box.setText(notesText(fourMiB - 2));
    const QString path = scratch->filePath(QStringLiteral("saved.txt"));
    for (auto _ : state) {
        emit box.document()->contentsChanged(); // as after typing: the text is gathered afresh
        if (!notesfile::write(path, box.text()).isEmpty())
            state.SkipWithError("cannot save");
    }
    state.SetBytesProcessed(state.iterations() * fourMiB);
}
} // namespace

BENCHMARK(BM_SumWidths_Table);
BENCHMARK(BM_Layout_Table);
BENCHMARK(BM_SumWidths_Printer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layout_Printer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenNotes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadNotesFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteNotesFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveNotes)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    scratch = &dir;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
