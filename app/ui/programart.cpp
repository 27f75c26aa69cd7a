#include "app/ui/programart.h"

#include "workspace/commandids.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <functional>

namespace quorvant::ui {
namespace {

const QColor kBrass(0xc9, 0xa2, 0x3b);
const QColor kDarkBrass(0x7a, 0x5c, 0x16);
const QColor kOlive(0x4b, 0x53, 0x20);
const QColor kInk(0x2b, 0x2b, 0x2b);
const QColor kPaper(0xfb, 0xfb, 0xf4);
const QColor kBlue(0x2f, 0x5f, 0xa8);
const QColor kRed(0xb0, 0x30, 0x28);

using Drawing = std::function<void(QPainter&)>;

// Draws on a 16 by 16 grid, at 1x and 2x so the icon stays crisp on dense screens.
QIcon IconFrom(const Drawing& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Page(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8));
    for (qreal y = r.top() + 2.5; y < r.bottom() - 1; y += 2)
        p.drawLine(QPointF(r.left() + 1.5, y), QPointF(r.right() - 1.5, y));
}

void Tank(QPainter& p, QColor body) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 8.5, 13, 4), 2, 2);
    p.drawRect(QRectF(4.5, 5.5, 6, 3));
    p.drawLine(QPointF(10.5, 6.5), QPointF(15, 5));
    p.setBrush(kInk);
    for (qreal x = 3.5; x < 14; x += 3) p.drawEllipse(QPointF(x, 10.5), 0.9, 0.9);
}

// A curved arrow turning back to the left (undo) or on to the right (redo).
void TurnArrow(QPainter& p, bool back) {
    if (!back) {
        p.scale(-1, 1);
        p.translate(-16, 0);
    }
    p.setPen(QPen(kBlue, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path(QPointF(4, 7));
    path.cubicTo(QPointF(8, 3), QPointF(15, 5), QPointF(13, 12));
    p.drawPath(path);
    p.setPen(QPen(kBlue, 0.8));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(1.5, 4), QPointF(7, 4.5), QPointF(3, 9.5)}));
}

Drawing DrawingFor(int command) {
    switch (command) {
    case ID_EDIT_UNDO:
        return [](QPainter& p) { TurnArrow(p, true); };
    case ID_EDIT_REDO:
        return [](QPainter& p) { TurnArrow(p, false); };
    case ID_FILE_OPEN:
        return [](QPainter& p) {
            p.setPen(QPen(kDarkBrass, 0.8));
            p.setBrush(kBrass.darker(110));
            p.drawRect(QRectF(1.5, 4.5, 12, 9));
            p.setBrush(kBrass);
            p.drawPolygon(
                QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
            p.setPen(QPen(kBlue, 1.2));
            p.drawLine(QPointF(9, 2.5), QPointF(13, 2.5));
            p.drawLine(QPointF(13, 2.5), QPointF(13, 5.5));
        };
    case ID_FILE_SAVE:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
            p.setBrush(kPaper);
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.setBrush(QColor(0xd8, 0xd8, 0xd8));
            p.drawRect(QRectF(4, 9, 8, 5.5));
        };
    case ID_EDIT_CUT:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.1));
            p.drawLine(QPointF(5, 1.5), QPointF(10, 11));
            p.drawLine(QPointF(11, 1.5), QPointF(6, 11));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kRed, 1.2));
            p.drawEllipse(QPointF(4.5, 12.5), 2.2, 2.2);
            p.drawEllipse(QPointF(11.5, 12.5), 2.2, 2.2);
        };
    case ID_EDIT_COPY:
        return [](QPainter& p) {
            Page(p, QRectF(1.5, 1.5, 8, 10));
            Page(p, QRectF(6.5, 4.5, 8, 10));
        };
    case ID_EDIT_PASTE:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(kBrass);
            p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
            p.setBrush(QColor(0x90, 0x90, 0x90));
            p.drawRect(QRectF(4, 1.5, 5, 2.5));
            Page(p, QRectF(7.5, 6.5, 7, 8));
        };
    case ID_APP_ABOUT:
        return [](QPainter& p) {
            p.setPen(QPen(kDarkBrass, 0.8));
            p.setBrush(kBrass);
            p.drawEllipse(QRectF(1, 1, 14, 14));
            p.setPen(kInk);
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
        };
    case ID_UNIT_EDITOR:
        return [](QPainter& p) { Tank(p, kOlive.lighter(140)); };
    case ID_FORMATION_EDITOR:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 0.8));
            p.drawLine(QPointF(8, 5), QPointF(8, 8));
            p.drawLine(QPointF(3, 8), QPointF(13, 8));
            p.drawLine(QPointF(3, 8), QPointF(3, 10));
            p.drawLine(QPointF(13, 8), QPointF(13, 10));
            p.drawLine(QPointF(8, 8), QPointF(8, 10));
            p.setBrush(kBlue.lighter(150));
            p.drawRect(QRectF(5.5, 1.5, 5, 3.5));
            for (qreal x : {0.5, 5.5, 10.5}) p.drawRect(QRectF(x, 10.5, 5, 3.5));
            p.drawLine(QPointF(5.5, 1.5), QPointF(10.5, 5));
            p.drawLine(QPointF(10.5, 1.5), QPointF(5.5, 5));
        };
    case ID_WEAPON_EDITOR:
        return [](QPainter& p) {
            p.setPen(QPen(kRed, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
            p.drawEllipse(QPointF(8, 8), 2, 2);
            p.setPen(QPen(kInk, 1));
            p.drawLine(QPointF(8, 0.5), QPointF(8, 4.5));
            p.drawLine(QPointF(8, 11.5), QPointF(8, 15.5));
            p.drawLine(QPointF(0.5, 8), QPointF(4.5, 8));
            p.drawLine(QPointF(11.5, 8), QPointF(15.5, 8));
        };
    case ID_VIEW_LIST:
        return [](QPainter& p) {
            p.setPen(Qt::NoPen);
            for (qreal y : {2.0, 6.0, 10.0}) {
                p.setBrush(kBlue);
                p.drawRect(QRectF(1.5, y + 0.5, 3, 3));
                p.setBrush(kInk);
                p.drawRect(QRectF(6, y + 1.5, 8.5, 1.2));
            }
        };
    case ID_VIEW_REPORT:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(kPaper);
            p.drawRect(QRectF(1.5, 2.5, 13, 11));
            p.setBrush(kBlue.lighter(160));
            p.drawRect(QRectF(1.5, 2.5, 13, 3));
            p.drawLine(QPointF(6, 2.5), QPointF(6, 13.5));
            p.drawLine(QPointF(10.5, 2.5), QPointF(10.5, 13.5));
            p.drawLine(QPointF(1.5, 8.5), QPointF(14.5, 8.5));
            p.drawLine(QPointF(1.5, 11), QPointF(14.5, 11));
        };
    case ID_VIEW_LBM_CROSS_REFERENCE:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(QColor(0x9c, 0xc8, 0xe8));
            p.drawRect(QRectF(0.5, 1.5, 11, 9));
            p.setBrush(kOlive.lighter(150));
            p.drawPolygon(QPolygonF(
                {QPointF(0.5, 10.5), QPointF(4, 6), QPointF(7, 9), QPointF(9, 7), QPointF(11.5, 10.5)}));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kInk, 1.3));
            p.drawEllipse(QPointF(10.5, 10.5), 2.8, 2.8);
            p.drawLine(QPointF(12.5, 12.5), QPointF(15.5, 15.5));
        };
    case ID_GAME_MANAGER:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 0.8));
            for (int i = 0; i < 3; ++i) {
                p.setBrush(i == 2 ? kBrass : kBrass.darker(120 + 15 * (1 - i)));
                p.drawRoundedRect(QRectF(1.5 + i * 2, 1.5 + i * 2, 10, 10), 1, 1);
            }
            p.setBrush(kPaper);
            p.drawRect(QRectF(7.5, 5.5, 4, 3));
        };
    default:
        return {};
    }
}

QPainterPath WolfHead() {
    // A front view on a 100 by 100 grid.
    QPolygonF outline({{50, 90},
                       {38, 80},
                       {31, 66},
                       {21, 58},
                       {16, 42},
                       {19, 24},
                       {23, 5},
                       {39, 23},
                       {50, 21},
                       {61, 23},
                       {77, 5},
                       {81, 24},
                       {84, 42},
                       {79, 58},
                       {69, 66},
                       {62, 80}});
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap ProgramPicture(int size, qreal ratio) {
    ratio = std::clamp(ratio, 1.0, 4.0);
    const int pixels = qRound(size * ratio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / 100.0, pixels / 100.0);

    QRadialGradient field(QPointF(50, 40), 60);
    field.setColorAt(0, kOlive.lighter(125));
    field.setColorAt(1, kOlive.darker(130));
    p.setPen(QPen(kDarkBrass, 3));
    p.setBrush(field);
    p.drawEllipse(QRectF(3, 3, 94, 94));
    p.setPen(QPen(kBrass, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(8, 8, 84, 84));

    QLinearGradient brass(QPointF(30, 10), QPointF(70, 90));
    brass.setColorAt(0, kBrass.lighter(135));
    brass.setColorAt(0.5, kBrass);
    brass.setColorAt(1, kDarkBrass);
    p.translate(10, 6);
    p.scale(0.8, 0.8);
    p.setPen(QPen(kDarkBrass.darker(130), 2));
    p.setBrush(brass);
    p.drawPath(WolfHead());
    // Ears, eyes and muzzle give the head its character.
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkBrass);
    p.drawPolygon(QPolygonF({{25, 13}, {35, 25}, {27, 30}}));
    p.drawPolygon(QPolygonF({{75, 13}, {65, 25}, {73, 30}}));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({{33, 43}, {44, 46}, {36, 49}}));
    p.drawPolygon(QPolygonF({{67, 43}, {56, 46}, {64, 49}}));
    p.drawEllipse(QPointF(50, 72), 5, 3.5);
    p.setPen(QPen(kDarkBrass.darker(120), 1.5));
    p.drawLine(QPointF(50, 75), QPointF(50, 82));
    p.drawLine(QPointF(50, 30), QPointF(50, 58));
    p.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        for (qreal ratio : {1.0, 2.0}) icon.addPixmap(ProgramPicture(size, ratio));
    return icon;
}

QIcon CommandIcon(int command) {
    Drawing draw = DrawingFor(command);
    return draw ? IconFrom(draw) : QIcon();
}

} // namespace quorvant::ui
