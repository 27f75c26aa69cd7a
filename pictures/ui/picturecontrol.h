#pragma once

#include "pictures/packedpicture.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace quorvant::ui {

// The program's own stand-in for a missing picture, 160 x 80.
QImage PlaceholderPicture();

// The picture's pixels as an image, top row first.
QImage PictureImage(const SidePicture& picture);

// Paints source of image onto destination: copied unscaled when the sizes match, stretched
// otherwise, never smoothed, so the picture's pixels stay crisp.
void PaintPicture(QPainter& painter, const QRect& destination, const QImage& image, const QRect& source);

// Control 1202: shows one picture centred at the largest whole-number zoom that fits, with crisp
// pixels; shrunk (crisply) only when even its own size does not fit.
class CPictureControl : public QWidget {
    Q_OBJECT
  public:
    explicit CPictureControl(QWidget* parent = nullptr);

    void showPicture(const SidePicture& picture);
    void showPlaceholder();
    void showImage(const QImage& image);
    bool showsPlaceholder() const { return placeholder_; }
    const QImage& image() const { return image_; }
    // The whole-number zoom the picture is drawn at in area; 0 when it must shrink or there is none.
    int zoomFor(const QSize& area) const;
    int zoom() const { return zoomFor(size()); }

    // Where the picture is drawn, and the picture's pixel under position (none outside it).
    QRect pictureRect() const;
    std::optional<QPoint> pixelAt(const QPoint& position) const;

    QSize sizeHint() const override { return {324, 204}; }

  signals:
    // A left click on the picture, at this pixel of it.
    void pixelClicked(QPoint pixel);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
    bool placeholder_ = false;
};

} // namespace quorvant::ui
