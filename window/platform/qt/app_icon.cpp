#include "app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <map>

namespace quorvel::platform::qt {

namespace {

// The icon's renditions, each decoded only when something first asks for it:
// a plain QIcon decodes every file up front, which costs the window its quick
// start on platforms that never show a window icon.
class LazyIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override {
        const int side = nearestSide(std::max(size.width(), size.height()));
        auto found = loaded_.find(side);
        if (found == loaded_.end())
            found = loaded_.emplace(side, QPixmap(fileFor(side))).first;
        return found->second.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(
            {nearestSide(std::max(size.width(), size.height())), size.width(), size.height()});
        return QSize(side, side);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : Sides)
            sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine *clone() const override { return new LazyIconEngine(*this); }
    QString key() const override { return QStringLiteral("QuorvelLazyIcon"); }

private:
    // Window icons only: the launcher takes the larger ones from the icon theme.
    static constexpr int Sides[] = {16, 32, 48, 64};

    static int nearestSide(int wanted) {
        for (int side : Sides)
            if (side >= wanted)
                return side;
        return Sides[std::size(Sides) - 1];
    }
    static QString fileFor(int side) {
        return QStringLiteral(":/icons/org.quorvel.Quorvel-%1.png").arg(side);
    }

    std::map<int, QPixmap> loaded_;
};

} // namespace

QIcon AppIcon() {
    return QIcon(new LazyIconEngine);
}

} // namespace quorvel::platform::qt
