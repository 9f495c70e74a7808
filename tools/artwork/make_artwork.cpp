// Paints the program's pictures: the splash, the search button's magnifier, the
// about box picture and the window icon; with --icons, the desktop icons.
// Usage: kv_make_artwork OUTPUT_DIR | kv_make_artwork --icons ICON_DIR
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

const QColor kInk(24, 44, 74);
const QColor kAmber(236, 150, 32);
const QColor kTeal(28, 132, 140);

// A kestrel-like wing mark: two swept curves over a disc. The painter and the
// SVG writer both draw it from this geometry.
struct MarkGeometry {
    QRectF disc;
    double stroke;
    QPointF start, c1, c2, tip, c3, c4, end;  // the wing: two cubic curves, then closed
};

MarkGeometry MarkIn(const QRectF& box) {
    const double x = box.left(), y = box.top(), w = box.width(), h = box.height();
    auto at = [&](double fx, double fy) { return QPointF(x + fx * w, y + fy * h); };
    return {box.adjusted(1, 1, -1, -1), std::max(1.0, w / 24),
            at(0.18, 0.62), at(0.35, 0.30), at(0.60, 0.22), at(0.86, 0.30),
            at(0.62, 0.38), at(0.48, 0.50), at(0.42, 0.72)};
}

const QColor kDiscCentre = kAmber.lighter(130);

void PaintMark(QPainter& p, const QRectF& box) {
    const MarkGeometry m = MarkIn(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disc(box.center(), box.width() / 2);
    disc.setColorAt(0, kDiscCentre);
    disc.setColorAt(1, kAmber);
    p.setBrush(disc);
    p.setPen(QPen(kInk, m.stroke));
    p.drawEllipse(m.disc);
    QPainterPath wing;
    wing.moveTo(m.start);
    wing.cubicTo(m.c1, m.c2, m.tip);
    wing.cubicTo(m.c3, m.c4, m.end);
    wing.closeSubpath();
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawPath(wing);
    p.restore();
}

// The mark as SVG text on a size x size canvas, the box placed as for the PNG icons.
QByteArray MarkSvg(int size, const QRectF& box) {
    const MarkGeometry m = MarkIn(box);
    auto n = [](double v) { return QByteArray::number(v, 'g', 6); };
    auto pt = [&](const QPointF& q) { return n(q.x()) + "," + n(q.y()); };
    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + n(size) + "\" height=\"" + n(size) +
           "\" viewBox=\"0 0 " + n(size) + " " + n(size) + "\">\n";
    svg += "  <defs>\n    <radialGradient id=\"disc\" gradientUnits=\"userSpaceOnUse\" cx=\"" +
           n(box.center().x()) + "\" cy=\"" + n(box.center().y()) + "\" r=\"" + n(box.width() / 2) + "\">\n";
    svg += "      <stop offset=\"0\" stop-color=\"" + kDiscCentre.name().toLatin1() + "\"/>\n";
    svg += "      <stop offset=\"1\" stop-color=\"" + kAmber.name().toLatin1() + "\"/>\n";
    svg += "    </radialGradient>\n  </defs>\n";
    svg += "  <ellipse cx=\"" + n(m.disc.center().x()) + "\" cy=\"" + n(m.disc.center().y()) + "\" rx=\"" +
           n(m.disc.width() / 2) + "\" ry=\"" + n(m.disc.height() / 2) + "\" fill=\"url(#disc)\" stroke=\"" +
           kInk.name().toLatin1() + "\" stroke-width=\"" + n(m.stroke) + "\"/>\n";
    svg += "  <path d=\"M " + pt(m.start) + " C " + pt(m.c1) + " " + pt(m.c2) + " " + pt(m.tip) + " C " + pt(m.c3) +
           " " + pt(m.c4) + " " + pt(m.end) + " Z\" fill=\"" + kInk.name().toLatin1() + "\"/>\n";
    svg += "</svg>\n";
    return svg;
}

// A round emblem with a letter, labelled below.
void PaintEmblem(QPainter& p, const QPointF& centre, double radius, const QColor& colour,
                 const QString& letter, const QString& label) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(120));
    p.setBrush(g);
    p.setPen(QPen(Qt::white, 3));
    p.drawEllipse(centre, radius, radius);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(radius * 1.1));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, letter);
    f.setPixelSize(15);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRectF(centre.x() - 60, centre.y() + radius + 4, 120, 20), Qt::AlignHCenter, label);
    p.restore();
}

QImage Splash() {
    QImage img(400, 300, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(250, 244, 228));
    sky.setColorAt(1, QColor(214, 230, 236));
    p.fillRect(img.rect(), sky);
    p.setPen(QPen(kInk, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, 396, 296));

    PaintMark(p, QRectF(24, 28, 72, 72));
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setPixelSize(50);
    while (title.pixelSize() > 20 &&
           QFontMetrics(title).horizontalAdvance(QStringLiteral("Kestrivane")) > 276) {
        title.setPixelSize(title.pixelSize() - 1);
    }
    p.setFont(title);
    p.setPen(kInk);
    p.drawText(QRectF(104, 30, 290, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kestrivane"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(kTeal.darker(130));
    p.drawText(QRectF(106, 88, 290, 18), Qt::AlignLeft, QStringLiteral("keeps fakes out of your downloads"));

    p.setPen(QPen(kAmber, 2));
    p.drawLine(QPointF(24, 122), QPointF(376, 122));

    PaintEmblem(p, QPointF(120, 186), 38, kTeal, QStringLiteral("e"), QStringLiteral("eDonkey"));
    PaintEmblem(p, QPointF(280, 186), 38, kAmber.darker(110), QStringLiteral("M"), QStringLiteral("eMule"));

    sub.setPixelSize(11);
    p.setFont(sub);
    p.setPen(kInk);
    p.drawText(QRectF(0, 272, 400, 16), Qt::AlignHCenter,
               QStringLiteral("fake list community: fakes.kestrivane.example"));
    return img;
}

// 16 x 16 on magenta, which the button makes transparent.
QImage Magnifier() {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    QPainter p(&img);
    // No antialiasing: blended edges would leave magenta fringes.
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(190, 225, 245));
    p.drawEllipse(QRect(2, 1, 9, 9));
    p.setPen(QPen(QColor(120, 70, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPoint(10, 10), QPoint(14, 14));
    p.setPen(Qt::white);
    p.drawPoint(5, 4);
    p.drawPoint(4, 5);
    return img;
}

// The program's mark alone on a transparent picture of the given size.
QImage Mark(int width, int height, const QRectF& where) {
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    PaintMark(p, where);
    return img;
}

QImage AboutPicture() { return Mark(46, 49, QRectF(1, 2, 44, 44)); }
// The icon's box on a size x size canvas: a margin of 1/32 each side (2 px at 64).
QRectF IconBox(int size) { return QRectF(size / 32.0, size / 32.0, size * 30 / 32.0, size * 30 / 32.0); }
QImage Icon(int size = 64) { return Mark(size, size, IconBox(size)); }

// The desktop icon theme's sizes, written as DIR/<N>x<N>/apps/ID.png and DIR/scalable/apps/ID.svg.
bool WriteThemeIcons(const QDir& dir, const QString& id) {
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        ok &= QDir().mkpath(dir.filePath(sub));
        ok &= Icon(size).save(dir.filePath(sub + QLatin1Char('/') + id + QStringLiteral(".png")));
    }
    ok &= QDir().mkpath(dir.filePath(QStringLiteral("scalable/apps")));
    QFile svg(dir.filePath(QStringLiteral("scalable/apps/") + id + QStringLiteral(".svg")));
    ok &= svg.open(QIODevice::WriteOnly | QIODevice::Truncate) && svg.write(MarkSvg(64, IconBox(64))) > 0;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--icons") {
        const bool ok = WriteThemeIcons(QDir(QString::fromLocal8Bit(argv[2])), QStringLiteral(KV_APP_ID));
        if (!ok) std::fprintf(stderr, "kv_make_artwork: could not write into %s\n", argv[2]);
        return ok ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv_make_artwork OUTPUT_DIR | kv_make_artwork --icons ICON_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    bool ok = Splash().save(out.filePath(QStringLiteral("splash.jpg")), "JPG", 90);
    ok &= Magnifier().save(out.filePath(QStringLiteral("magnifier.png")));
    ok &= AboutPicture().save(out.filePath(QStringLiteral("about.png")));
    ok &= Icon().save(out.filePath(QStringLiteral("icon.png")));
    if (!ok) std::fprintf(stderr, "kv_make_artwork: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
