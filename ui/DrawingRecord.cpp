#include "ui/DrawingRecord.h"

#include <QPainter>

#include "ui/PictureBox.h"
#include "ui/Zoom.h"

void paintStroke(QPainter& painter, const Stroke& stroke, qreal scale) {
    const QRect to = scaledRect(stroke.area, scale);
    switch (stroke.kind) {
    case Stroke::Kind::Fill:
        painter.fillRect(to, qcolour(stroke.colour));
        break;
    case Stroke::Kind::Picture: {
        const QPoint from(qRound(stroke.from.x() * scale), qRound(stroke.from.y() * scale));
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(to.topLeft(), stroke.source->pictureAt(scale), QRect(from, to.size()));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    }
    case Stroke::Kind::Image:
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, to.size() != stroke.fromImage.size().toSize());
        painter.drawImage(QRectF(to), stroke.image, stroke.fromImage);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case Stroke::Kind::Text:
        painter.save();
        painter.scale(scale, scale);
        painter.setFont(stroke.font);
        painter.setPen(qcolour(stroke.colour));
        painter.drawText(QRect(stroke.area.topLeft(), QSize(4096, 1024)), kTextFlags, stroke.text);
        painter.restore();
        break;
    }
}

void DrawingRecord::add(Stroke stroke) {
    if (stroke.kind != Stroke::Kind::Text) {
        // A fill or a picture replaces what was under it.
        for (size_t i = 0; i < strokes_.size(); ++i)
            if (shown_[i].intersects(stroke.area))
                shown_[i] -= stroke.area;
        size_t kept = 0;
        for (size_t i = 0; i < strokes_.size(); ++i)
            if (!shown_[i].isEmpty()) {
                strokes_[kept] = std::move(strokes_[i]);
                shown_[kept++] = std::move(shown_[i]);
            }
        strokes_.resize(kept);
        shown_.resize(kept);
    }
    shown_.emplace_back(stroke.area);
    strokes_.push_back(std::move(stroke));
}
