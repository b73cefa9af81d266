// The least a Qt Widgets program can do to show a window like the clock:
// a frameless, always-on-top 168 by 132 window titled "Tocsimo". The
// start-up benchmark runs it beside the program, to tell Qt's own cost
// from the program's.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setWindowTitle(QStringLiteral("Tocsimo"));
    window.setFixedSize(168, 132);
    window.show();
    return QApplication::exec();
}
