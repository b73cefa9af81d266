#include "windows/FitCaptions.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {
// Room kept between the last control and the container's right edge, and
// between a control that grew and the one it moved.
constexpr int kEdge = 4;
constexpr int kGap = 6;

bool SameRow(const QRect &a, const QRect &b)
{
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return overlap * 2 >= std::min(a.height(), b.height());
}

// A panel, a group box or a picture stays where it is; other controls may
// move right to make room.
bool Fixed(const QWidget *w)
{
    if (qobject_cast<const QGroupBox *>(w))
        return true;
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text().isEmpty();
    const QMetaObject *type = w->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject;
}

struct Item {
    QWidget *widget;
    QRect before; // as laid out
    int left;     // where it goes
    int width;
};

void FitRow(std::vector<Item> &row, int containerWidth)
{
    std::sort(row.begin(), row.end(), [](const Item &a, const Item &b) { return a.before.left() < b.before.left(); });
    for (size_t i = 0; i < row.size(); ++i) {
        Item &item = row[i];
        if (Fixed(item.widget))
            continue;
        const int want = HasCaption(item.widget) ? std::max(item.before.width(), CaptionWidth(item.widget)) : item.width;
        // What lies wholly to its left bounds it there. To its right, the
        // controls up to the next fixed one (or the edge) keep their widths
        // and may move along; that one stops them.
        int left = kEdge;
        for (size_t j = 0; j < i; ++j)
            if (row[j].before.right() < item.before.left())
                left = std::max(left, row[j].left + row[j].width + kGap);
        int right = containerWidth - kEdge;
        size_t next = row.size();
        for (size_t j = i + 1; j < row.size(); ++j) {
            if (row[j].before.left() <= item.before.left())
                continue;
            if (next == row.size())
                next = j;
            if (Fixed(row[j].widget)) {
                right = std::min(right, row[j].before.left() - kGap);
                break;
            }
            right -= row[j].width + kGap;
        }
        // Stopped on the right, it takes what room there is on its left, and
        // moves a control just left of it leftwards too (buttons in a corner).
        if (item.left + want > right) {
            item.left = std::min(item.left, std::max(left, right - want));
            if (item.left + want > right && i > 0 && !Fixed(row[i - 1].widget)
                && row[i - 1].before.right() < item.before.left()) {
                Item &previous = row[i - 1];
                int previousLeft = kEdge;
                for (size_t j = 0; j + 1 < i; ++j)
                    if (row[j].before.right() < previous.before.left())
                        previousLeft = std::max(previousLeft, row[j].left + row[j].width + kGap);
                const int shift = std::max(0, std::min(item.left + want - right, previous.left - previousLeft));
                previous.left -= shift;
                item.left = previous.left + previous.width + kGap;
            }
        }
        item.width = std::max(item.before.width(), std::min(want, right - item.left));
        if (next < row.size() && !Fixed(row[next].widget))
            row[next].left = std::max(row[next].left, item.left + item.width + kGap);
    }
}

void FitIn(QWidget *container, const QList<const QWidget *> &shownInTurn)
{
    std::vector<Item> items;
    for (QObject *child : container->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        if (!w->children().isEmpty())
            FitIn(w, shownInTurn);
        // A control hidden for good (an entry point) takes no room.
        if (w->isHidden() && !shownInTurn.contains(w) && w->findChildren<QWidget *>().isEmpty())
            continue;
        items.push_back({w, w->geometry(), w->x(), w->width()});
    }
    std::vector<bool> placed(items.size(), false);
    for (size_t i = 0; i < items.size(); ++i) {
        if (placed[i])
            continue;
        std::vector<size_t> members{i};
        placed[i] = true;
        for (size_t j = i + 1; j < items.size(); ++j)
            if (!placed[j] && SameRow(items[i].before, items[j].before)) {
                members.push_back(j);
                placed[j] = true;
            }
        std::vector<Item> row;
        for (size_t m : members)
            row.push_back(items[m]);
        FitRow(row, container->width());
        for (const Item &item : row)
            if (item.left != item.before.left() || item.width != item.before.width())
                item.widget->setGeometry(item.left, item.before.top(), item.width, item.before.height());
    }
}
} // namespace

void FitCaptions(QWidget *container, const QList<const QWidget *> &shownInTurn)
{
    FitIn(container, shownInTurn);
}

bool HasCaption(const QWidget *w)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return !button->text().isEmpty();
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().isEmpty() && !label->wordWrap();
    return false;
}

// The width a control needs for its caption. A push button's size hint has a
// floor the style sets (80 pixels in Fusion), which would widen buttons whose
// caption already fits: its caption and frame are measured instead, with a
// little air on either side.
int CaptionWidth(const QWidget *w)
{
    const auto *button = qobject_cast<const QPushButton *>(w);
    if (!button)
        return w->sizeHint().width();
    int width = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width()
        + 2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 4;
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    return width;
}
