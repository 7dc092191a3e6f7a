// Quillmere: start the application with the Qt platform and show the splash window.
#include "app/frmprovs.h"
#include "app/windows.h"
#include "platform/qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    // The program ends only through its exit commands, never by a last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    installPlatform(std::make_unique<QtPlatform>());
    frmProvS.show();
    return QApplication::exec();
}
