#include "views/ui/classicons.h"

#include "obdata/generation.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace quorvant::ui {
namespace {

const QColor kOutline(32, 32, 32);

QColor RoleColour(SymbolRole role) {
    switch (role) {
    case SymbolRole::Line:
        return QColor(107, 142, 35);
    case SymbolRole::AntiTank:
        return QColor(208, 48, 48);
    case SymbolRole::Artillery:
        return QColor(240, 140, 0);
    case SymbolRole::AntiAir:
        return QColor(58, 160, 232);
    case SymbolRole::Transport:
        return QColor(200, 160, 96);
    case SymbolRole::Command:
        return QColor(142, 68, 173);
    case SymbolRole::Engineer:
        return QColor(139, 90, 43);
    case SymbolRole::Recon:
        return QColor(184, 216, 48);
    case SymbolRole::Support:
        return QColor(154, 154, 154);
    case SymbolRole::Amphibious:
        return QColor(32, 160, 160);
    }
    return Qt::gray;
}

void Tracks(QPainter& p, QRectF r) {
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
}

void Wheel(QPainter& p, QPointF centre) {
    p.drawEllipse(centre, 2.0, 2.0);
}

// The body of the symbol, below the band of marks (rows 0 to 3).
void DrawShape(QPainter& p, SymbolShape shape) {
    switch (shape) {
    case SymbolShape::Foot:
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawLine(QPointF(1.5, 4.5), QPointF(14.5, 13.5));
        p.drawLine(QPointF(1.5, 13.5), QPointF(14.5, 4.5));
        break;
    case SymbolShape::TowedGun:
        p.drawLine(QPointF(6.5, 10.5), QPointF(15, 5));
        p.drawLine(QPointF(6.5, 10.5), QPointF(1, 15));
        p.drawEllipse(QPointF(6.5, 11), 3.5, 3.5);
        break;
    case SymbolShape::Tank:
        Tracks(p, QRectF(0.5, 9.5, 15, 5.5));
        p.drawRect(QRectF(4.5, 5.5, 6, 4));
        p.drawLine(QPointF(10.5, 7.5), QPointF(15.5, 7.5));
        break;
    case SymbolShape::SelfPropelled:
        Tracks(p, QRectF(0.5, 9.5, 15, 5.5));
        p.drawPolygon(
            QPolygonF({QPointF(2.5, 9.5), QPointF(4.5, 5.5), QPointF(10.5, 5.5), QPointF(12.5, 9.5)}));
        p.drawLine(QPointF(8.5, 6.5), QPointF(15.5, 4));
        break;
    case SymbolShape::Halftrack:
        p.drawRect(QRectF(1.5, 5.5, 13, 5));
        Tracks(p, QRectF(0.5, 10.5, 8, 4.5));
        Wheel(p, QPointF(12.5, 12.5));
        break;
    case SymbolShape::TrackedCarrier:
        p.drawRect(QRectF(1.5, 4.5, 13, 6));
        Tracks(p, QRectF(0.5, 10.5, 15, 4.5));
        break;
    case SymbolShape::Wheeled:
        p.drawRect(QRectF(1.5, 5.5, 13, 6));
        Wheel(p, QPointF(4.5, 12.5));
        Wheel(p, QPointF(11.5, 12.5));
        break;
    case SymbolShape::Aircraft:
        p.drawPolygon(
            QPolygonF({QPointF(8, 4), QPointF(15.5, 10), QPointF(9, 9.5), QPointF(9, 13), QPointF(11.5, 15),
                       QPointF(4.5, 15), QPointF(7, 13), QPointF(7, 9.5), QPointF(0.5, 10)}));
        break;
    case SymbolShape::Helicopter:
        p.drawEllipse(QRectF(2.5, 8.5, 9, 5.5));
        p.drawLine(QPointF(11.5, 10.5), QPointF(15.5, 9));
        p.drawLine(QPointF(0.5, 5.5), QPointF(15.5, 5.5));
        p.drawLine(QPointF(7, 5.5), QPointF(7, 8.5));
        break;
    case SymbolShape::Boat:
        p.drawPolygon(
            QPolygonF({QPointF(0.5, 9.5), QPointF(15.5, 9.5), QPointF(13, 14.5), QPointF(3, 14.5)}));
        p.drawRect(QRectF(5.5, 5.5, 5, 4));
        break;
    case SymbolShape::Fixed:
        p.drawPolygon(QPolygonF(
            {QPointF(1.5, 15), QPointF(1.5, 9), QPointF(8, 4.5), QPointF(14.5, 9), QPointF(14.5, 15)}));
        break;
    case SymbolShape::Flag:
        p.drawLine(QPointF(3, 4), QPointF(3, 15.5));
        p.drawRect(QRectF(3.5, 4.5, 11, 6));
        break;
    case SymbolShape::Unknown:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kOutline, 1, Qt::DotLine));
        p.drawRect(QRectF(2.5, 4.5, 11, 10));
        break;
    }
}

void Bars(QPainter& p, int count) {
    for (int i = 0; i < count; ++i) {
        qreal x = 8 + (i - (count - 1) / 2.0) * 3;
        p.drawLine(QPointF(x, 0.5), QPointF(x, 3));
    }
}

void DrawMark(QPainter& p, SymbolMark mark) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kOutline);
    switch (mark) {
    case SymbolMark::None:
        break;
    case SymbolMark::OneBar:
        Bars(p, 1);
        break;
    case SymbolMark::TwoBars:
        Bars(p, 2);
        break;
    case SymbolMark::ThreeBars:
        Bars(p, 3);
        break;
    case SymbolMark::Dot:
        p.drawEllipse(QPointF(8, 2), 1.6, 1.6);
        break;
    case SymbolMark::Cross:
        p.drawLine(QPointF(6, 0.5), QPointF(10, 3.5));
        p.drawLine(QPointF(6, 3.5), QPointF(10, 0.5));
        break;
    case SymbolMark::Chevron:
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(5, 3.5), QPointF(8, 0.5), QPointF(11, 3.5)}));
        break;
    case SymbolMark::Star:
        p.drawLine(QPointF(8, 0), QPointF(8, 4));
        p.drawLine(QPointF(6, 2), QPointF(10, 2));
        p.drawLine(QPointF(6.5, 0.5), QPointF(9.5, 3.5));
        p.drawLine(QPointF(6.5, 3.5), QPointF(9.5, 0.5));
        break;
    case SymbolMark::Flame: {
        QPainterPath flame(QPointF(8, 0));
        flame.cubicTo(QPointF(11, 2), QPointF(10, 4), QPointF(8, 4));
        flame.cubicTo(QPointF(6, 4), QPointF(5, 2), QPointF(8, 0));
        p.setPen(QPen(QColor(200, 40, 0), 1));
        p.setBrush(QColor(255, 150, 0));
        p.drawPath(flame);
        break;
    }
    }
}

// Pixmaps must go before the application does, so the cache is emptied when it ends.
struct IconCache {
    std::array<QList<QIcon>, 3> lists;
    std::array<bool, 3> built{};
    QIcon neutral;
};

IconCache& Cache() {
    static IconCache cache;
    static const bool registered = [] {
        qAddPostRoutine([] { Cache() = IconCache{}; });
        return true;
    }();
    (void)registered;
    return cache;
}

// Both scales come from the one drawing, so a dense screen shows the same symbol, only sharper.
QIcon ClassIcon(const ClassSymbol& symbol) {
    QIcon icon;
    for (int scale : {1, 2}) icon.addPixmap(QPixmap::fromImage(DrawClassSymbol(symbol, scale)));
    return icon;
}

QList<QIcon> BuildIcons(int generation) {
    QList<QIcon> icons;
    for (const ClassSymbol& symbol : ClassSymbols(generation)) icons.append(ClassIcon(symbol));
    return icons;
}

} // namespace

QImage DrawClassSymbol(const ClassSymbol& symbol, int scale) {
    scale = std::clamp(scale, 1, 4);
    QImage image(kClassIconSize * scale, kClassIconSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(RoleColour(symbol.role));
    DrawShape(p, symbol.shape);
    DrawMark(p, symbol.mark);
    p.end();
    // Set only now: a painter on a high-ratio image would scale by the ratio a second time.
    image.setDevicePixelRatio(scale);
    return image;
}

const QList<QIcon>& UnitClassIcons(int generation) {
    IconCache& cache = Cache();
    auto at = static_cast<std::size_t>(IsValidGeneration(generation) ? generation : kBW1);
    if (!cache.built[at]) {
        cache.lists[at] = BuildIcons(static_cast<int>(at));
        cache.built[at] = true;
    }
    return cache.lists[at];
}

QIcon UnitClassIcon(int generation, int classIndex) {
    const QList<QIcon>& icons = UnitClassIcons(generation);
    if (classIndex >= 0 && classIndex < icons.size()) return icons[classIndex];
    IconCache& cache = Cache();
    if (cache.neutral.isNull()) cache.neutral = ClassIcon(ClassSymbol{});
    return cache.neutral;
}

} // namespace quorvant::ui
