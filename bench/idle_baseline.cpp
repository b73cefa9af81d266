// The least a Qt Widgets clock can do while idle: a frameless, always-on-top
// 168 by 132 window that repaints a colon-sized patch every half second and a
// digit-sized patch every second, from one timer aligned to the half second.
// The idle benchmark measures it beside the program, to tell Qt's own cost of
// a wake-up from the program's.
#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QTimer>
#include <QWidget>

class Face : public QWidget
{
public:
    Face() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        setWindowTitle(QStringLiteral("Tocsimo"));
        setFixedSize(168, 132);
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, &Face::Tick);
        Arm();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(QRect(60, 50, 8, 30), lit_ ? Qt::white : Qt::darkGray);
        painter.fillRect(QRect(120, 50, 20, 30), QColor::fromHsv(qMax(second_, 0) * 6, 200, 200));
    }

private:
    void Arm() { timer_.start(500 - QTime::currentTime().msec() % 500 + 12); }
    void Tick()
    {
        const QTime now = QTime::currentTime();
        lit_ = now.msec() < 500;
        QRegion changed(60, 50, 8, 30);
        if (now.second() != second_) {
            second_ = now.second();
            changed += QRect(120, 50, 20, 30);
        }
        repaint(changed);
        Arm();
    }

    QTimer timer_;
    bool lit_ = false;
    int second_ = -1;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Face face;
    face.show();
    return QApplication::exec();
}
