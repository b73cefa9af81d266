// Draws the guide's pictures of the program's own windows at build time, from
// the real widgets on Qt's offscreen platform, so the pictures always show the
// windows as they are built:
//
//   tocsimo_help_pictures <program folder> <output folder>
//
// The program folder supplies the skins; alarms and options live in a
// temporary folder of their own.
#include "app/DateTime.h"
#include "app/Now.h"
#include "app/ProgramFolder.h"
#include "clock/TFormClock.h"
#include "help/SampleAlarms.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {
const QColor kFrame(0x3a, 0x5f, 0x86);

// A tray shell for a desktop with a notification area, so the menu is complete.
class PictureTrayShell : public ITrayShell {
public:
    void NotifyIcon(TNotifyCommand, const TNotifyIconData &) override {}
    QPoint CursorPos() const override { return {}; }
    void SetForeground(QWidget *) override {}
    void Popup(QMenu *, QPoint, TPopupAlign) override {}
    bool Available() const override { return true; }
};

// The window's picture in a plain frame with its title, as a desktop shows it.
QImage Framed(QWidget *window)
{
    const QPixmap client = window->grab();
    constexpr int kBorder = 1, kTitle = 24;
    QImage framed(client.width() + 2 * kBorder, client.height() + kTitle + kBorder, QImage::Format_RGB32);
    framed.fill(kFrame);
    QPainter p(&framed);
    p.drawPixmap(kBorder, kTitle, client);
    QFont font = QApplication::font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(8, 0, framed.width() - 40, kTitle), Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
    // The close box.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.6));
    const QPointF c(framed.width() - 14, kTitle / 2.0);
    p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
    p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
    return framed;
}

// The arrow of the mouse pointer, its tip at `tip`.
void DrawPointer(QPainter &p, QPointF tip)
{
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 17);
    arrow.lineTo(4.5, 13);
    arrow.lineTo(7.5, 19.5);
    arrow.lineTo(10, 18.5);
    arrow.lineTo(7, 12);
    arrow.lineTo(12.5, 12);
    arrow.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(tip);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.restore();
}

// The clock cut to its outline on a desktop, with its menu opened by a right
// click: the menu's right edge at the pointer.
QImage ClockWithMenu(TFormClock *clock)
{
    QImage face(clock->size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    {
        QPainter p(&face);
        p.setClipRegion(clock->mask().isEmpty() ? QRegion(clock->rect()) : clock->mask());
        p.drawPixmap(0, 0, clock->grab());
    }
    QMenu *menu = clock->PopupMenu;
    menu->ensurePolished();
    menu->resize(menu->sizeHint());
    const QPixmap menuPicture = menu->grab();

    // Clicked near the face's lower right corner, so the menu leaves most of it in sight.
    const QPoint click(face.width() - 14, face.height() - 8);
    const QPoint facePos(16, 20);
    const QPoint menuPos = facePos + click - QPoint(menuPicture.width(), 0);
    const QPoint shift(qMax(0, 16 - menuPos.x()), 0);
    QImage desk(qMax(facePos.x() + face.width(), menuPos.x() + menuPicture.width()) + shift.x() + 16,
                qMax(facePos.y() + face.height(), menuPos.y() + menuPicture.height()) + 16, QImage::Format_RGB32);
    QPainter p(&desk);
    QLinearGradient sky(0, 0, 0, desk.height());
    sky.setColorAt(0, QColor(0xdf, 0xe9, 0xf3));
    sky.setColorAt(1, QColor(0xb9, 0xcd, 0xe2));
    p.fillRect(desk.rect(), sky);
    p.drawImage(facePos + shift, face);
    // A soft shadow under the menu.
    p.fillRect(QRect(menuPos + shift + QPoint(3, 3), menuPicture.size()), QColor(0, 0, 0, 50));
    p.drawPixmap(menuPos + shift, menuPicture);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(QRect(menuPos + shift, menuPicture.size()).adjusted(0, 0, -1, -1));
    DrawPointer(p, facePos + shift + click);
    return desk;
}

bool Save(const QImage &image, const QDir &out, const QString &name)
{
    const QString path = out.filePath(name);
    const bool ok = image.save(path);
    std::printf("%s %s (%dx%d)\n", ok ? "drew" : "could not write", qPrintable(path), image.width(), image.height());
    return ok;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tocsimo_help_pictures <program folder> <output folder>\n");
        return 2;
    }
    const QDir program(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());

    QTemporaryDir folder;
    const QDir work(folder.path());
    work.mkdir(QStringLiteral("alarm"));
    for (const char *skin : {"Small", "Digital", "Santa Claus"})
        QFile::link(program.filePath(QLatin1String(skin)), work.filePath(QLatin1String(skin)));
    SetProgramFolderOverride(folder.path());
    // Half past seven in the evening, the seconds showing.
    SetNowOverride([] { return EncodeDateTime(2027, 3, 1, 19, 30, 25, 200); });
    // The options page writes the autostart entry: keep it in here too.
    qputenv("XDG_CONFIG_HOME", work.filePath(QStringLiteral("config")).toUtf8());

    FormMain = new TFormMain;
    FormMain->Timer->stop();
    FormAlarm = new TFormAlarm;
    AddSampleAlarms(*FormMain);

    bool ok = true;
    {
        TFormClock clock(std::make_unique<PictureTrayShell>());
        clock.Timer1->stop();
        ok &= Save(ClockWithMenu(&clock), out, QStringLiteral("clock-menu.png"));
    }

    FormMain->ButtonAlarms->click();
    FormMain->show();
    FormMain->SetItemIndex(0);
    ok &= Save(Framed(FormMain), out, QStringLiteral("manager-alarms.png"));
    FormMain->ButtonOptions->click();
    ok &= Save(Framed(FormMain), out, QStringLiteral("manager-options.png"));
    FormMain->hide();

    // The editor shows only while the manager waits for it.
    QTimer::singleShot(0, FormAlarm, [&] {
        ok &= Save(Framed(FormAlarm), out, QStringLiteral("editor.png"));
        FormAlarm->Button2->click();
    });
    FormAlarm->AlarmId = 1;
    FormAlarm->ButtonEditClick();

    delete FormAlarm;
    delete FormMain;
    return ok ? 0 : 1;
}
