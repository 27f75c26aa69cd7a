#include "pictures/ui/picturecontrol.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quorvant::ui {

QImage PlaceholderPicture() {
    QImage image(160, 80, QImage::Format_RGB32);
    image.fill(QColor(0x90, 0xB0, 0xD0));
    QPainter p(&image);
    p.fillRect(0, 62, 160, 18, QColor(0x70, 0x60, 0x40));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(38, 30, 84, 28);
    p.drawLine(122, 40, 150, 36);
    p.setPen(QColor(0x20, 0x20, 0x20));
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(QRect(0, 4, 160, 22), Qt::AlignCenter, QStringLiteral("No Picture"));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(0, 0, 159, 79);
    return image;
}

QImage PictureImage(const SidePicture& picture) {
    PicturePixels pixels = DecodePicturePixels(picture);
    if (pixels.width == 0 || pixels.height == 0) return {};
    QImage image(pixels.width, pixels.height, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height; ++y)
        std::copy_n(pixels.argb.data() + std::size_t(y) * std::size_t(pixels.width), pixels.width,
                    reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    return image;
}

void PaintPicture(QPainter& painter, const QRect& destination, const QImage& image, const QRect& source) {
    if (image.isNull()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (destination.size() == source.size())
        painter.drawImage(destination.topLeft(), image, source);
    else
        painter.drawImage(destination, image, source);
}

CPictureControl::CPictureControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("1202"));
    setMinimumSize(164, 84);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CPictureControl::showPicture(const SidePicture& picture) {
    showImage(PictureImage(picture));
}

void CPictureControl::showPlaceholder() {
    static const QImage placeholder = PlaceholderPicture();
    image_ = placeholder;
    placeholder_ = true;
    update();
}

void CPictureControl::showImage(const QImage& image) {
    image_ = image;
    placeholder_ = false;
    update();
}

int CPictureControl::zoomFor(const QSize& area) const {
    if (image_.isNull()) return 0;
    return std::min(area.width() / image_.width(), area.height() / image_.height());
}

QRect CPictureControl::pictureRect() const {
    if (image_.isNull()) return {};
    QSize size = image_.size();
    if (int zoom = zoomFor(this->size()); zoom >= 1)
        size *= zoom;
    else
        size.scale(this->size(), Qt::KeepAspectRatio);
    QRect destination(QPoint(0, 0), size);
    destination.moveCenter(rect().center());
    return destination;
}

std::optional<QPoint> CPictureControl::pixelAt(const QPoint& position) const {
    const QRect shown = pictureRect();
    if (!shown.contains(position) || shown.width() <= 0 || shown.height() <= 0) return std::nullopt;
    const int x = int(qint64(position.x() - shown.left()) * image_.width() / shown.width());
    const int y = int(qint64(position.y() - shown.top()) * image_.height() / shown.height());
    return QPoint(std::clamp(x, 0, image_.width() - 1), std::clamp(y, 0, image_.height() - 1));
}

void CPictureControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled())
        if (std::optional<QPoint> pixel = pixelAt(event->position().toPoint())) emit pixelClicked(*pixel);
    QWidget::mousePressEvent(event);
}

void CPictureControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    if (image_.isNull() || !isEnabled()) return;
    PaintPicture(painter, pictureRect(), image_, image_.rect());
}

} // namespace quorvant::ui
