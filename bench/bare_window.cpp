// The baseline for start-up and memory: a bare Qt window of the main window's size
// with one text box, titled "bare".
#include <QApplication>
#include <QPlainTextEdit>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("bare"));
    w.resize(790, 526);
    auto* edit = new QPlainTextEdit(&w);
    edit->setGeometry(40, 48, 361, 369);
    edit->setPlainText(QStringLiteral("1 The proverbs of Solomon the son of David, king of Israel;"));
    w.show();
    return QApplication::exec();
}
