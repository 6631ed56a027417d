// Draws the 32 x 32 model pictures of the About box into PNG files:
//   drawmodels <output directory>
// The pictures under resources/pictures were made with it; run it again after a change.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cstdio>

namespace {

struct Model {
    const char* file;
    int portsPerRow;  // copper ports, in two rows
    int uplinks;      // fibre slots at the right, in two rows
    bool poe;         // power-over-Ethernet model: an orange band
    int height;       // front face height
};

void Draw(const Model& m, const QString& dir)
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);

    const int left = 1, right = 30, depth = 4;
    const int top = 16 - m.height / 2 + depth / 2, bottom = top + m.height;
    // Top face in perspective, then the front face.
    QPolygon lid;
    lid << QPoint(left, top) << QPoint(left + depth, top - depth) << QPoint(right + 1, top - depth)
        << QPoint(right + 1 - depth, top);
    p.setPen(QColor(0x50, 0x58, 0x60));
    p.setBrush(QColor(0x9A, 0xA4, 0xAE));
    p.drawPolygon(lid);
    p.setBrush(QColor(0x38, 0x3E, 0x46));
    p.drawRect(left, top, right - left - depth + 1, m.height);
    // Right side face.
    QPolygon side;
    side << QPoint(right + 1 - depth, top) << QPoint(right + 1, top - depth) << QPoint(right + 1, bottom - depth)
         << QPoint(right + 1 - depth, bottom);
    p.setBrush(QColor(0x26, 0x2B, 0x31));
    p.drawPolygon(side);

    p.setPen(Qt::NoPen);
    // System LEDs at the left.
    p.setBrush(QColor(0x30, 0xE0, 0x40));
    p.fillRect(left + 2, top + 2, 1, 1, QColor(0x30, 0xE0, 0x40));
    p.fillRect(left + 2, top + 4, 1, 1, QColor(0xF0, 0xA0, 0x20));
    if (m.poe) p.fillRect(left + 1, bottom - 2, 4, 1, QColor(0xF0, 0x80, 0x10));

    // Copper ports: two rows of light sockets.
    const int portLeft = left + 5;
    const int fibreWidth = m.uplinks ? (m.uplinks / 2) * 3 + 1 : 0;
    const int room = (right - depth) - portLeft - fibreWidth;
    const int pitch = m.portsPerRow * 2 <= room ? 2 : 1;
    const int rowGap = m.height >= 9 ? 3 : 2;
    const int rowTop = top + (m.height - rowGap - 2) / 2 + 1;
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < m.portsPerRow && i * pitch < room; ++i) {
            int x = portLeft + i * pitch;
            int y = rowTop + row * rowGap;
            if (pitch == 1 && i % 2) continue;  // dense panels: every other column reads as a gap
            p.fillRect(x, y, 1, 2, QColor(0xD8, 0xDC, 0xE0));
        }
    // Fibre slots.
    for (int k = 0; k < m.uplinks; ++k) {
        int x = (right - depth) - fibreWidth + 1 + (k / 2) * 3;
        int y = rowTop + (k % 2) * rowGap;
        p.fillRect(x, y, 2, 2, QColor(0x80, 0xB8, 0xE8));
    }
    p.end();
    QString path = dir + "/" + m.file;
    if (!img.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawmodels <output directory>\n");
        return 2;
    }
    const Model models[] = {
        {"vrx6120.png", 10, 4, false, 9},
        {"vrx6110.png", 10, 2, false, 9},
        {"vrx6110p.png", 10, 2, true, 9},
        {"vrx6150.png", 20, 4, false, 11},
    };
    for (const Model& m : models) Draw(m, argv[1]);
    return 0;
}
