// Draws the front-panel pictures of the VRX-6120 main window:
//   drawpanel <output directory>
// writes vrx6120panel.jpg (800 x 89, the whole front of the 27-port switch) and
// vrx6120mark.png (26 x 26, the emblem in the lower right corner). The pictures under
// resources/pictures were made with it; run it again after a change.
//
// The ports, slots and LED windows lie where the panel form puts its port buttons and LEDs
// (mainwindow/panelvrx6120.cpp): change both together.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kFaceTop(0x4A, 0x51, 0x5A);
const QColor kFaceBottom(0x30, 0x35, 0x3C);
const QColor kEar(0x5C, 0x63, 0x6C);
const QColor kRecess(0x1E, 0x22, 0x27);
const QColor kText(0xE4, 0xE8, 0xEC);
const QColor kDimText(0xA8, 0xB0, 0xB8);
const QColor kShield(0xA6, 0xAD, 0xB4);
const QColor kShieldDark(0x6E, 0x75, 0x7C);
const QColor kHole(0x0C, 0x0E, 0x10);
const QColor kGold(0xC8, 0xA0, 0x48);
const QColor kWindow(0xFF, 0xFF, 0xFF);

QFont Font(int pixels, bool bold = false)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// A white LED window with a thin dark rim, as the panel's LED host panels cover it.
void LedWindow(QPainter& p, int x, int y, int w, int h)
{
    p.fillRect(x - 1, y - 1, w + 2, h + 2, kRecess);
    p.fillRect(x, y, w, h, kWindow);
}

// An RJ-45 jack in the button's rectangle; the latch notch faces outwards (up for the upper
// row, down for the lower one).
void Jack(QPainter& p, QRect r, bool upper)
{
    QRect shell = r.adjusted(1, 1, -1, -1);
    p.fillRect(shell, kShield);
    p.setPen(kShieldDark);
    p.drawRect(shell.adjusted(0, 0, -1, -1));
    QRect hole = shell.adjusted(3, 3, -3, -3);
    p.fillRect(hole, kHole);
    // Latch notch.
    const int nw = hole.width() / 3;
    const int nx = hole.center().x() - nw / 2 + 1;
    if (upper) p.fillRect(nx, hole.top() - 2, nw, 2, kHole);
    else p.fillRect(nx, hole.bottom() + 1, nw, 2, kHole);
    // Eight contacts on the side away from the latch.
    const int cy = upper ? hole.bottom() - 3 : hole.top() + 1;
    for (int i = 0; i < 8; ++i) {
        int x = hole.left() + 2 + i * (hole.width() - 4) / 8;
        if (x >= hole.right()) break;
        p.fillRect(x, cy, 1, 3, kGold);
    }
}

// An SFP cage in the button's rectangle.
void SfpCage(QPainter& p, QRect r)
{
    QRect cage = r.adjusted(1, 1, -1, -1);
    p.fillRect(cage, kShield);
    p.setPen(kShieldDark);
    p.drawRect(cage.adjusted(0, 0, -1, -1));
    QRect hole = cage.adjusted(3, 3, -3, -3);
    p.fillRect(hole, kHole);
    // Spring tabs at the top of the cage.
    for (int x = cage.left() + 4; x < cage.right() - 3; x += 6) p.fillRect(x, cage.top() + 1, 3, 1, kShieldDark);
}

void Text(QPainter& p, int x, int baseline, const QString& s, const QFont& f, const QColor& c)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(x, baseline, s);
}

// A port number centred under the LED whose left edge is x (LEDs are 6 wide).
void Number(QPainter& p, int ledLeft, int baseline, int port)
{
    QFont f = Font(7);
    p.setFont(f);
    p.setPen(kDimText);
    const QString s = QString::number(port);
    const int w = QFontMetrics(f).horizontalAdvance(s);
    p.drawText(ledLeft + 3 - w / 2, baseline, s);
}

void RackEar(QPainter& p, int x, int w, int h)
{
    p.fillRect(x, 0, w, h, kEar);
    p.setPen(QColor(0x24, 0x28, 0x2D));
    p.drawLine(x == 0 ? w - 1 : x, 0, x == 0 ? w - 1 : x, h - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x18, 0x1B, 0x1F));
    for (int y : {12, 62}) p.drawRoundedRect(QRectF(x + w / 2.0 - 1.5, y, 3, 14), 1.5, 1.5);
}

bool DrawPanel(const QString& path)
{
    const int W = 800, H = 89;
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient face(0, 0, 0, H);
    face.setColorAt(0, kFaceTop);
    face.setColorAt(1, kFaceBottom);
    p.fillRect(0, 0, W, H, face);
    p.fillRect(0, 0, W, 1, QColor(0x6A, 0x72, 0x7C));
    p.fillRect(0, H - 1, W, 1, QColor(0x1A, 0x1D, 0x21));
    RackEar(p, 0, 9, H);
    RackEar(p, W - 9, 9, H);

    // Maker and model.
    Text(p, 18, 30, "Quenzo", Font(15, true), kText);
    p.fillRect(18, 35, 70, 2, QColor(0x3C, 0x9C, 0xDC));
    Text(p, 18, 52, "VRX-6120", Font(11, true), kText);
    Text(p, 18, 64, "Managed Switch", Font(8), kDimText);

    // System LEDs (the panel's power, console and RPS LEDs cover the windows).
    const char* systemNames[] = {"Power", "Console", "RPS"};
    const int systemTops[] = {30, 41, 51};
    for (int i = 0; i < 3; ++i) {
        LedWindow(p, 99, systemTops[i], 7, 7);
        Text(p, 110, systemTops[i] + 7, systemNames[i], Font(8), kDimText);
    }

    // Console port: a DB-9 between the system LEDs and the ports.
    {
        Text(p, 186, 24, "24-Port 10/100/1000", Font(8), kDimText);
        Text(p, 186, 35, "+ 4 Combo SFP", Font(8), kDimText);
        QRectF shell(262, 48, 46, 20);
        QPainterPath d;
        d.moveTo(shell.left(), shell.top());
        d.lineTo(shell.right(), shell.top());
        d.lineTo(shell.right() - 5, shell.bottom());
        d.lineTo(shell.left() + 5, shell.bottom());
        d.closeSubpath();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(kShieldDark);
        p.setBrush(kShield);
        p.drawPath(d);
        QPainterPath in;
        in.moveTo(shell.left() + 4, shell.top() + 3);
        in.lineTo(shell.right() - 4, shell.top() + 3);
        in.lineTo(shell.right() - 8, shell.bottom() - 3);
        in.lineTo(shell.left() + 8, shell.bottom() - 3);
        in.closeSubpath();
        p.setBrush(kHole);
        p.drawPath(in);
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(shell.left() + 11 + i * 6, shell.top() + 8), 1.3, 1.3);
        for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(shell.left() + 14 + i * 6, shell.top() + 13), 1.3, 1.3);
        p.setBrush(kShieldDark);
        p.drawEllipse(QPointF(shell.left() - 6, shell.center().y()), 2.5, 2.5);
        p.drawEllipse(QPointF(shell.right() + 6, shell.center().y()), 2.5, 2.5);
        p.setRenderHint(QPainter::Antialiasing, false);
        Text(p, 268, 81, "Console", Font(8), kDimText);
    }

    // Copper ports 1 to 24: the two rows of jacks under a strip of LED windows, port numbers
    // under each LED's column.
    p.fillRect(354, 18, 162, 57, kRecess);
    p.fillRect(527, 18, 158, 57, kRecess);
    LedWindow(p, 360, 7, 150, 7);
    LedWindow(p, 531, 7, 99, 7);
    for (int k = 0; k < 4; ++k) LedWindow(p, 635 + 13 * k, 7, 7, 7);
    const int upperLefts1[] = {358, 383, 409, 435, 460, 486};
    for (int c = 0; c < 6; ++c) {
        Jack(p, QRect(upperLefts1[c], 21, 25, 23), true);
        Jack(p, QRect(upperLefts1[c], 49, 25, 23), false);
    }
    const int upperLefts2[] = {530, 556, 581, 606, 631, 656};
    for (int c = 0; c < 6; ++c) {
        const int w = c == 5 ? 26 : 25;
        Jack(p, QRect(upperLefts2[c], 21, w, 23), true);
        if (c < 2) Jack(p, QRect(upperLefts2[c], 49, 25, 23), false);
        else Jack(p, QRect(upperLefts2[c], 48, w, 24), false);
    }
    for (int port = 1; port <= 24; ++port) {
        const int led = port <= 12 ? 361 + 13 * (port - 1) : 532 + 13 * (port - 13);
        Number(p, led, 84, port);
    }

    // Fibre slots of the combo ports 21 to 24, with their LED windows and numbers.
    p.fillRect(692, 18, 73, 57, kRecess);
    const int comboLeds[] = {702, 714, 737, 750};
    for (int k = 0; k < 4; ++k) {
        LedWindow(p, comboLeds[k], 7, 7, 7);
        Number(p, comboLeds[k], 84, 21 + k);
    }
    SfpCage(p, QRect(696, 27, 29, 17));
    SfpCage(p, QRect(696, 53, 29, 17));
    SfpCage(p, QRect(732, 27, 29, 17));
    SfpCage(p, QRect(732, 53, 29, 17));
    Text(p, 769, 16, "SFP", Font(7, true), kDimText);
    Text(p, 769, 26, "21-24", Font(6), kDimText);

    p.end();
    return img.save(path, "JPEG", 92);
}

bool DrawMark(const QString& path)
{
    QImage img(26, 26, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, 26, 26, kFaceBottom);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3C, 0x9C, 0xDC));
    p.drawRoundedRect(QRectF(1, 1, 24, 24), 5, 5);
    p.setPen(QPen(Qt::white, 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12.5, 12), 6.2, 6.2);
    p.drawLine(QPointF(13, 14), QPointF(19, 20));
    p.end();
    return img.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpanel <output directory>\n");
        return 2;
    }
    const QString dir = argv[1];
    bool ok = DrawPanel(dir + "/vrx6120panel.jpg");
    ok = DrawMark(dir + "/vrx6120mark.png") && ok;
    if (!ok) std::fprintf(stderr, "cannot write the pictures into %s\n", argv[1]);
    return ok ? 0 : 1;
}
