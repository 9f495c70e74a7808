// Paints the program's pictures: the splash, the search button's magnifier, the
// about box picture and the window icon. Usage: kv_make_artwork OUTPUT_DIR
#include <QDir>
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

// A kestrel-like wing mark: two swept curves over a disc.
void PaintMark(QPainter& p, const QRectF& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disc(box.center(), box.width() / 2);
    disc.setColorAt(0, kAmber.lighter(130));
    disc.setColorAt(1, kAmber);
    p.setBrush(disc);
    p.setPen(QPen(kInk, std::max(1.0, box.width() / 24)));
    p.drawEllipse(box.adjusted(1, 1, -1, -1));
    QPainterPath wing;
    const double x = box.left(), y = box.top(), w = box.width(), h = box.height();
    wing.moveTo(x + 0.18 * w, y + 0.62 * h);
    wing.cubicTo(x + 0.35 * w, y + 0.30 * h, x + 0.60 * w, y + 0.22 * h, x + 0.86 * w, y + 0.30 * h);
    wing.cubicTo(x + 0.62 * w, y + 0.38 * h, x + 0.48 * w, y + 0.50 * h, x + 0.42 * w, y + 0.72 * h);
    wing.closeSubpath();
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawPath(wing);
    p.restore();
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
QImage Icon() { return Mark(64, 64, QRectF(2, 2, 60, 60)); }

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kv_make_artwork OUTPUT_DIR\n");
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
