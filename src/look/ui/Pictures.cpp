#include "look/ui/Pictures.h"

#include <cmath>

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace reelcase {

QPixmap rampPixmap(const std::array<Rgb, 5>& samples, int height) {
    QImage image(1, height, QImage::Format_RGB32);
    const auto rows = colourRamp(samples, height);
    for (int y = 0; y < height; ++y) {
        const Rgb& c = rows[static_cast<std::size_t>(y)];
        image.setPixel(0, y, qRgb(c.red, c.green, c.blue));
    }
    return QPixmap::fromImage(image);
}

namespace {

void drawOpen(QPainter& p) {
    p.setPen(QColor(120, 90, 0));
    p.setBrush(QColor(230, 190, 60));
    p.drawRect(1, 4, 12, 9);
    p.drawRect(1, 3, 5, 1);
    p.setBrush(QColor(250, 220, 110));
    const QPointF lid[] = {{3, 7}, {15, 7}, {13, 13}, {1, 13}};
    p.drawPolygon(lid, 4);
}

void drawSave(QPainter& p) {
    p.setPen(QColor(20, 30, 90));
    p.setBrush(QColor(50, 80, 180));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 2, 7, 5);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(4, 9, 7, 5);
    p.fillRect(8, 10, 2, 3, QColor(20, 30, 90));
}

void drawPrint(QPainter& p) {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(1, 6, 13, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 5);
    p.fillRect(11, 8, 2, 1, QColor(40, 170, 40));
}

void drawExport(QPainter& p) {
    p.setPen(QColor(80, 80, 80));
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 9, 13);
    p.setPen(QColor(150, 150, 150));
    for (int y = 4; y <= 11; y += 2) {
        p.drawLine(3, y, 8, y);
    }
    p.setPen(QPen(QColor(20, 120, 20), 2));
    p.drawLine(8, 9, 14, 9);
    p.drawLine(11, 6, 14, 9);
    p.drawLine(11, 12, 14, 9);
}

void drawFilm(QPainter& p) {
    p.setPen(QColor(30, 30, 30));
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(1, 3, 11, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int x = 2; x <= 10; x += 3) {
        p.drawRect(x, 4, 1, 1);
        p.drawRect(x, 11, 1, 1);
    }
    p.setBrush(QColor(140, 190, 240));
    p.drawRect(3, 6, 7, 4);
}

void drawAdd(QPainter& p) {
    drawFilm(p);
    p.setPen(QColor(0, 90, 0));
    p.setBrush(QColor(40, 180, 40));
    const QPointF plus[] = {{11, 8},  {13, 8},  {13, 10}, {15, 10}, {15, 12}, {13, 12},
                            {13, 14}, {11, 14}, {11, 12}, {9, 12},  {9, 10},  {11, 10}};
    p.drawPolygon(plus, 12);
}

void drawModify(QPainter& p) {
    drawFilm(p);
    p.setPen(QColor(90, 60, 0));
    p.setBrush(QColor(240, 190, 40));
    const QPointF pencil[] = {{8, 13}, {9, 10}, {14, 5}, {15, 6}, {10, 11}};
    p.drawPolygon(pencil, 5);
}

void drawDelete(QPainter& p) {
    drawFilm(p);
    p.setPen(QPen(QColor(200, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(9, 8, 14, 14);
    p.drawLine(14, 8, 9, 14);
}

}  // namespace

QPixmap toolbarImage(int index) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (index) {
        case 0:
            drawOpen(p);
            break;
        case 1:
            drawSave(p);
            break;
        case 2:
            drawPrint(p);
            break;
        case 3:
            drawExport(p);
            break;
        case 4:
            drawAdd(p);
            break;
        case 5:
            drawModify(p);
            break;
        default:
            drawDelete(p);
            break;
    }
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(QPen(QColor(20, 20, 40), 3));
        p.setBrush(QColor(60, 70, 150));
        p.drawEllipse(QPointF(32, 32), 29, 29);
        p.setBrush(QColor(220, 225, 245));
        p.drawEllipse(QPointF(32, 32), 6, 6);
        for (int k = 0; k < 6; ++k) {
            const double angle = k * 3.14159265 / 3.0;
            p.drawEllipse(QPointF(32 + 17 * std::cos(angle), 32 + 17 * std::sin(angle)), 7, 7);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace reelcase
