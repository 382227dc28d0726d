// Draws the window icon, the design pictures and the frame samples that live
// in resources/. The outputs are committed; test_pictures draws them again and
// compares them byte for byte, so a change here shows up as a change there.
//
// After a change meant to alter a picture, redraw them (from the top of the
// repository, after a build):
//   build/tools/rumita_pictures resources
//
// "Text" is drawn as bars so the output depends on no font and is the same on
// every machine.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <QTransform>

#include <array>
#include <functional>
#include <vector>
#include <cstdio>

namespace {

const QColor kBlue(0x33, 0x66, 0xcc);
const QColor kGreyBody(0xc0, 0xc0, 0xc0);
const QColor kInk(0x33, 0x33, 0x33);

// Bar lengths (fractions of the available width) repeat from this table, so a
// "paragraph" looks ragged but the picture never changes between runs.
const std::array<double, 11> kLineLengths{0.92, 0.78, 0.97, 0.64, 0.85, 0.71,
                                          0.95, 0.58, 0.88, 0.81, 0.67};

// Fills `count` text bars of height `h`, `pitch` apart, inside `area`.
void drawTextBars(QPainter &p, const QRect &area, int count, int h, int pitch, const QColor &colour,
                  int seed, bool lastShort = true)
{
    for (int i = 0; i < count; ++i) {
        double f = kLineLengths[(seed + i) % kLineLengths.size()];
        if (lastShort && count > 1 && i == count - 1)
            f *= 0.6;
        const int w = qMax(3, int(area.width() * f));
        const int y = area.top() + i * pitch;
        if (y + h > area.bottom() + 1)
            break;
        p.fillRect(QRect(area.left(), y, w, h), colour);
    }
}

// Grey version for a style that is not chosen: luminance, then pulled towards
// white by `wash` (0 keeps the grey, 1 gives white).
QImage greyed(const QImage &src, double wash)
{
    QImage out = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            const int g = qGray(c);
            const int v = qRound(g + (255 - g) * wash);
            line[x] = qRgba(v, v, v, qAlpha(c));
        }
    }
    return out;
}

bool save(const QImage &img, const QString &path, int quality = -1)
{
    if (!img.save(path, nullptr, quality)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

// ---------------------------------------------------------------- icon

// The icon is a page with a blue heading band, white marks in the band and
// dark lines below, folded at the top right corner.  Colours are taken from
// the classic 16-colour set so it reads well at 32 px and in small palettes.
namespace icon {
const QColor black(0x00, 0x00, 0x00);
const QColor navy(0x00, 0x00, 0x80);
const QColor blue(0x00, 0x00, 0xff);
const QColor grey(0x80, 0x80, 0x80);
const QColor silver(0xc0, 0xc0, 0xc0);
const QColor white(0xff, 0xff, 0xff);
const QColor teal(0x00, 0x80, 0x80);

// Page outline: corner folded 6 px.
const QPolygon page({QPoint(4, 1), QPoint(21, 1), QPoint(27, 7), QPoint(27, 30), QPoint(4, 30)});

struct Bar {
    QRect r;
    QColor c;
};

// Everything inside the page, shared by the PNG and the SVG.
std::vector<Bar> bars()
{
    return {
        // Heading band and its "title".
        {QRect(6, 9, 20, 6), blue},
        {QRect(8, 11, 12, 2), white},
        // Body lines.
        {QRect(7, 17, 17, 1), grey},
        {QRect(7, 19, 14, 1), grey},
        {QRect(7, 21, 18, 1), grey},
        // A second, smaller section.
        {QRect(6, 24, 20, 3), teal},
        {QRect(7, 28, 12, 1), grey},
        // "Title" above the band.
        {QRect(7, 4, 11, 2), navy},
    };
}
}  // namespace icon

QImage drawIcon()
{
    using namespace icon;
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Soft shadow one pixel down-right, in grey only, to keep the palette small.
    p.setPen(Qt::NoPen);
    p.setBrush(grey);
    p.drawPolygon(page.translated(1, 1));
    p.setBrush(white);
    p.setPen(black);
    p.drawPolygon(page);

    // The fold.
    p.setBrush(silver);
    p.drawPolygon(QPolygon({QPoint(21, 1), QPoint(21, 7), QPoint(27, 7)}));

    for (const Bar &b : bars())
        p.fillRect(b.r, b.c);
    p.end();

    // Store it as an indexed image so the file carries exactly the palette the
    // drawing uses.
    QList<QRgb> table{qRgba(0, 0, 0, 0), black.rgb(),  navy.rgb(),  blue.rgb(),
                      grey.rgb(),        silver.rgb(), white.rgb(), teal.rgb()};
    return img.convertToFormat(QImage::Format_Indexed8, table,
                               Qt::ThresholdDither | Qt::AvoidDither);
}

QString iconSvg()
{
    using namespace icon;
    auto hex = [](const QColor &c) { return c.name(); };
    QString s;
    QTextStream t(&s);
    t << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
         "viewBox=\"0 0 32 32\" shape-rendering=\"crispEdges\">\n";
    auto points = [](const QPolygon &poly, double d) {
        QString out;
        for (const QPoint &pt : poly)
            out += QStringLiteral("%1,%2 ").arg(pt.x() + d).arg(pt.y() + d);
        return out.trimmed();
    };
    t << "  <polygon points=\"" << points(page, 1.5) << "\" fill=\"" << hex(grey) << "\"/>\n";
    t << "  <polygon points=\"" << points(page, 0.5) << "\" fill=\"" << hex(white) << "\" stroke=\""
      << hex(black) << "\" stroke-width=\"1\"/>\n";
    t << "  <polygon points=\"21.5,1.5 21.5,7.5 27.5,7.5\" fill=\"" << hex(silver) << "\" stroke=\""
      << hex(black) << "\" stroke-width=\"1\"/>\n";
    for (const Bar &b : bars())
        t << "  <rect x=\"" << b.r.x() << "\" y=\"" << b.r.y() << "\" width=\"" << b.r.width()
          << "\" height=\"" << b.r.height() << "\" fill=\"" << hex(b.c) << "\"/>\n";
    t << "</svg>\n";
    return s;
}

// ---------------------------------------------------------------- design pictures

constexpr int kPicW = 107;
constexpr int kPicH = 87;

// A tiny standard-frame listing, drawn in its own coordinates with the top left
// at (0, 0): sections with a coloured heading band and plain bodies.
void drawMiniStandard(QPainter &p, const QSizeF &size, const QColor &frame)
{
    const QRectF outer(0, 0, size.width(), size.height());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(outer);

    const double pad = 2.5;
    const double w = size.width() - 2 * pad;
    const double headH = 4.5;
    const std::array<double, 4> bodyH{5.0, 10.0, 9.0, 6.0};
    const QColor ink(0x70, 0x70, 0x70);
    double y = pad;
    int seed = 0;
    for (double bh : bodyH) {
        const QRectF table(pad, y, w, headH + bh);
        p.setBrush(Qt::white);
        p.setPen(QPen(frame, 0.8));
        p.drawRect(table);
        p.setPen(Qt::NoPen);
        p.setBrush(frame);
        p.drawRect(QRectF(pad, y, w, headH));
        // Heading "text".
        p.setBrush(frame.lightness() > 200 ? QColor(0x60, 0x30, 0x30) : Qt::white);
        p.drawRect(QRectF(pad + 2, y + 1.6, w * 0.45, 1.3));
        // Body "text".
        p.setBrush(ink);
        for (double ly = y + headH + 1.6; ly + 1 < y + headH + bh - 0.8; ly += 2.4) {
            const double f = kLineLengths[seed++ % kLineLengths.size()];
            p.drawRect(QRectF(pad + 2, ly, (w - 4) * f, 1.0));
        }
        y += headH + bh + 2.0;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(frame, 1.6));
    p.drawRect(outer.adjusted(0.8, 0.8, -0.8, -0.8));
}

QImage drawDesignStandard()
{
    QImage img(kPicW, kPicH, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    const std::array<QColor, 6> frames{QColor("#3366cc"), QColor("#450526"), QColor("#808080"),
                                       QColor("#ED9BA0"), QColor("#000000"), QColor("#3DBA65")};
    const QSizeF card(32, 60);
    // Fanned like a hand of cards around a point below the middle; the first
    // colour ends up at the back on the left, the last in front on the right.
    const QPointF pivot(kPicW / 2.0, 109.0);
    const double radius = 40.0;  // pivot to the bottom edge of each card
    const double spread = 9.0;
    for (int i = 0; i < 6; ++i) {
        const double angle = (i - 2.5) * spread;
        QTransform t;
        t.translate(pivot.x(), pivot.y());
        t.rotate(angle);
        t.translate(-card.width() / 2, -radius - card.height());
        p.setTransform(t);
        // A faint shadow so overlapping cards stay apart.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(QRectF(1.2, 1.2, card.width(), card.height()));
        drawMiniStandard(p, card, frames[i]);
    }
    return img;
}

// The custom-frame listing: each row is a narrow heading cell and a wide body
// cell, inside one outer table.
void drawCustomListing(QPainter &p, const QRect &area, int headW,
                       const std::vector<int> &rowHeights, int gap)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(area, QColor(0x99, 0x99, 0x99));
    p.fillRect(area.adjusted(1, 1, -1, -1), Qt::white);

    int y = area.top() + 1 + gap;
    const int left = area.left() + 1 + gap;
    const int right = area.right() - gap;  // inclusive
    int seed = 2;
    for (int h : rowHeights) {
        const QRect head(left, y, headW, h);
        const QRect body(left + headW + gap, y, right - (left + headW + gap) + 1, h);
        p.fillRect(head, kBlue);
        p.fillRect(body, kGreyBody);
        // Heading marks: two short white bars, centred vertically.
        const int hy = y + qMax(2, h / 2 - 2);
        p.fillRect(QRect(head.left() + 2, hy, headW - 5, 2), Qt::white);
        if (h >= 12)
            p.fillRect(QRect(head.left() + 2, hy + 3, (headW - 5) * 2 / 3, 2), Qt::white);
        // Body text.
        const int lines = qMax(1, (h - 3) / 4);
        drawTextBars(p, body.adjusted(3, 3, -3, -2), lines, 2, 4, kInk, seed);
        seed += lines + 1;
        y += h + gap;
    }
}

QImage drawDesignCustom()
{
    QImage img(kPicW, kPicH, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    // One listing, centred, with a slight drop shadow like a page.
    const QRect area(14, 6, 78, 74);
    p.fillRect(area.translated(2, 2), QColor(0xd8, 0xd8, 0xd8));
    drawCustomListing(p, area, 18, {9, 20, 22, 11}, 2);
    p.end();
    return greyed(img, 0.35);
}

// ---------------------------------------------------------------- samples

// One section of a standard-frame listing: a bordered table with a blue
// heading row and a plain body row.
constexpr int kHeadH = 7;

int drawStandardSection(QPainter &p, int x, int y, int w, int bodyH, int headMark,
                        const std::function<void(const QRect &)> &body)
{
    const QRect table(x, y, w, kHeadH + bodyH);
    p.fillRect(table, kBlue);                                  // border
    p.fillRect(table.adjusted(1, kHeadH, -1, -1), Qt::white);  // body row
    p.fillRect(QRect(x + 3, y + 2, headMark, 2), Qt::white);   // heading text
    body(QRect(x + 1, y + kHeadH, w - 2, bodyH - 1));
    return y + kHeadH + bodyH;
}

// Body height (bottom border included) that holds `lines` bars of text.
constexpr int bodyFor(int lines) { return 4 * lines + 4; }

QImage drawStandardSample()
{
    QImage img(kPicW, kPicH, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);

    const int x = 4;
    const int w = kPicW - 8;
    const int gap = 2;
    int y = 2;

    // Title: one heavier line.
    y = drawStandardSection(p, x, y, w, 9, 22,
                            [&](const QRect &r) {
                                p.fillRect(QRect(r.left() + 3, r.top() + 3, r.width() * 7 / 10, 3),
                                           kInk);
                            }) +
        gap;

    // Payment: the accepted methods are listed as blue lines.
    y = drawStandardSection(p, x, y, w, bodyFor(2), 16,
                            [&](const QRect &r) {
                                drawTextBars(p, r.adjusted(3, 3, -3, 0), 2, 2, 4, kBlue, 3, false);
                            }) +
        gap;

    // Description: a paragraph of dark text.
    y = drawStandardSection(
            p, x, y, w, bodyFor(3), 26,
            [&](const QRect &r) { drawTextBars(p, r.adjusted(3, 3, -3, 0), 3, 2, 4, kInk, 0); }) +
        gap;

    // Other notes take what is left above the bottom margin.
    drawStandardSection(p, x, y, w, kPicH - 2 - y - kHeadH, 20, [&](const QRect &r) {
        drawTextBars(p, r.adjusted(3, 3, -3, 0), 2, 2, 4, kInk, 6);
    });
    return img;
}

QImage drawCustomSample()
{
    QImage img(kPicW, kPicH, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    drawCustomListing(p, QRect(3, 3, kPicW - 6, kPicH - 6), 22, {10, 17, 25, 17}, 2);
    return img;
}

}  // namespace

int main(int argc, char **argv)
{
    // No display is needed to draw into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    ok &= save(drawIcon(), out.filePath("rumita.png"));
    {
        QFile f(out.filePath("rumita.svg"));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            f.write(iconSvg().toUtf8());
            std::printf("%s\n", qPrintable(f.fileName()));
        } else {
            ok = false;
        }
    }
    ok &= save(drawDesignStandard(), out.filePath("design-standard.png"));
    ok &= save(drawDesignCustom(), out.filePath("design-custom.png"));

    // The greyed copies are shown for the style that is not chosen.
    const QImage hime = drawStandardSample();
    const QImage kime = drawCustomSample();
    ok &= save(hime, out.filePath("hime.jpg"), 90);
    ok &= save(greyed(hime, 0.45).convertToFormat(QImage::Format_RGB32), out.filePath("hime2.jpg"),
               90);
    ok &= save(kime, out.filePath("kime.jpg"), 90);
    ok &= save(greyed(kime, 0.45).convertToFormat(QImage::Format_RGB32), out.filePath("kime2.jpg"),
               90);
    return ok ? 0 : 1;
}
