#include "windows/FitCaptions.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {
// Room kept between the last control and the container's right edge.
constexpr int kEdge = 4;

bool Captioned(const QWidget *w)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return !button->text().isEmpty();
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().isEmpty() && !label->wordWrap();
    return false;
}

bool SameRow(const QRect &a, const QRect &b)
{
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return overlap * 2 >= std::min(a.height(), b.height());
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
        if (!Captioned(item.widget))
            continue;
        int right = containerWidth - kEdge;
        const int want = std::max(item.before.width(), item.widget->sizeHint().width());
        // The neighbours: what began to the right of this control's old right edge.
        for (size_t j = i + 1; j < row.size(); ++j) {
            Item &next = row[j];
            if (next.before.left() <= item.before.right())
                continue;
            const int gap = next.before.left() - item.before.right() - 1;
            if (Captioned(next.widget))
                next.left = std::max(next.left, item.left + want + gap);
            else
                right = std::min(right, next.before.left() - gap);
            break;
        }
        item.width = std::max(item.before.width(), std::min(want, right - item.left));
    }
}

void Fit(QWidget *container)
{
    std::vector<Item> items;
    for (QObject *child : container->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        if (!w->children().isEmpty())
            Fit(w);
        // A control hidden for good (an entry point, a twin) takes no room.
        if (w->isHidden() && w->findChildren<QWidget *>().isEmpty())
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

void FitCaptions(QWidget *container)
{
    Fit(container);
}
