// velmora-artwork: draws the program's artwork and writes it as JPEG files.
//
//   QT_QPA_PLATFORM=offscreen velmora-artwork <folder>
//
// Writes main_background.jpg (800 x 590: title strip, toolbar with its seven
// icons and captions, white page area, status strip) and tools_page.jpg
// (788 x 457: the five tool tiles of the tools page), dream_nodes.jpg
// (72 x 18: the four node pictures of the dream tree) and the application
// icon as icons/velmora-<size>.png (the icons folder must exist). The
// coordinates below are those of the windows' click areas, so picture and
// controls line up.

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <functional>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 590;

const QColor kGold(0xf2, 0xc9, 0x6b);
const QColor kPaleGold(0xfb, 0xe8, 0xb8);
const QColor kDeepRed(0x6e, 0x0f, 0x0b);
const QColor kRed(0xb3, 0x26, 0x1e);
const QColor kInk(0x3a, 0x22, 0x12);

QString g_family;

QFont Font(double points, bool bold = false) {
    QFont font(g_family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool SaveJpeg(const QImage& image, const QString& path, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!file) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution colour keeps thin red and gold strokes crisp.
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

// Text with a soft dark shadow, centred in `box`.
void ShadowText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                const QColor& colour, int flags = Qt::AlignCenter) {
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(box.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

// A traditional cloud curl, used as a faint pattern on the toolbar.
void Cloud(QPainter& p, QPointF at, double scale, const QColor& colour) {
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    QPainterPath path;
    path.moveTo(-30, 8);
    path.cubicTo(-30, -6, -14, -12, -6, -4);
    path.cubicTo(-2, -18, 18, -18, 20, -4);
    path.cubicTo(30, -6, 36, 6, 26, 10);
    path.lineTo(-30, 8);
    QPainterPath curl;
    curl.moveTo(-6, -4);
    curl.cubicTo(-4, 4, 6, 4, 6, -2);
    curl.cubicTo(6, -6, 1, -7, 0, -3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.drawPath(curl);
    p.restore();
}

// A five-pointed star of outer radius r, filled with the current brush.
void Star(QPainter& p, QPointF centre, double r) {
    QPolygonF shape;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2 == 0) ? r : r * 0.42;
        shape << QPointF(centre.x() + rr * std::cos(a), centre.y() + rr * std::sin(a));
    }
    p.drawPolygon(shape);
}

// ---- toolbar icons, each drawn in a 48 x 48 box centred on the origin ----

void Medallion(QPainter& p) {
    QRadialGradient glow(QPointF(-6, -8), 30);
    glow.setColorAt(0, QColor(0xe0, 0x4a, 0x3a));
    glow.setColorAt(1, QColor(0x8a, 0x16, 0x10));
    p.setPen(QPen(kGold, 2));
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), 23, 23);
    p.setPen(QPen(QColor(255, 236, 190, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 19.5, 19.5);
}

void IconCompany(QPainter& p) {
    // Two office towers with lit windows and a pennant.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240));
    p.drawRect(QRectF(-12, -8, 11, 21));
    p.setBrush(kPaleGold);
    p.drawRect(QRectF(1, -14, 11, 27));
    p.setBrush(QColor(0xa3, 0x22, 0x1a));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 2; ++col) {
            p.drawRect(QRectF(-10 + col * 5, -5 + row * 4.5, 2.6, 2.6));
            p.drawRect(QRectF(3 + col * 5, -11 + row * 5, 2.6, 3));
        }
    }
    p.setBrush(kGold);
    p.drawRect(QRectF(-15, 13, 30, 2.2));
    p.setPen(QPen(kPaleGold, 1.4));
    p.drawLine(QPointF(6.5, -14), QPointF(6.5, -20));
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    QPolygonF flag;
    flag << QPointF(6.5, -20) << QPointF(13, -18) << QPointF(6.5, -16);
    p.drawPolygon(flag);
}

void IconAnalysis(QPainter& p) {
    // A ruled sheet under a magnifying glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240));
    QPainterPath sheet;
    sheet.moveTo(-13, -15);
    sheet.lineTo(4, -15);
    sheet.lineTo(10, -9);
    sheet.lineTo(10, 14);
    sheet.lineTo(-13, 14);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.setPen(QPen(QColor(0xb3, 0x26, 0x1e), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(-9, -8 + i * 5), QPointF(i == 3 ? -1 : 5, -8 + i * 5));
    p.setPen(QPen(kGold, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 9), QPointF(16, 16));
    p.setPen(QPen(kGold, 2.4));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QPointF(4, 3), 7.5, 7.5);
}

void IconBazi(QPainter& p) {
    // The taiji circle ringed by the eight trigrams.
    const double r = 10.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240));
    p.drawEllipse(QPointF(0, 0), r, r);
    QPainterPath dark;
    dark.moveTo(0, -r);
    dark.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, 180);
    dark.arcTo(QRectF(-r / 2, 0, r, r), 270, -180);
    dark.arcTo(QRectF(-r / 2, -r, r, r), 270, 180);
    p.setBrush(QColor(0x7a, 0x12, 0x0d));
    p.drawPath(dark);
    p.drawEllipse(QPointF(0, r / 2), 1.8, 1.8);
    p.setBrush(QColor(255, 250, 240));
    p.drawEllipse(QPointF(0, -r / 2), 1.8, 1.8);
    p.setPen(QPen(kGold, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Trigram lines: 1 solid, 0 broken, from the inside out.
    static constexpr int kTrigrams[8] = {0b111, 0b110, 0b101, 0b100, 0b011, 0b010, 0b001, 0b000};
    p.setPen(QPen(kGold, 1.3, Qt::SolidLine, Qt::FlatCap));
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.rotate(k * 45.0);
        for (int line = 0; line < 3; ++line) {
            const double y = -(13.5 + line * 2.6);
            if (kTrigrams[k] & (1 << line)) {
                p.drawLine(QPointF(-3.6, y), QPointF(3.6, y));
            } else {
                p.drawLine(QPointF(-3.6, y), QPointF(-0.9, y));
                p.drawLine(QPointF(0.9, y), QPointF(3.6, y));
            }
        }
        p.restore();
    }
}

void IconOpeningDay(QPainter& p) {
    // A desk calendar page marked 吉, with its binding rings.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240));
    p.drawRoundedRect(QRectF(-14, -11, 28, 26), 3, 3);
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(-14, -11, 28, 8), 3, 3);
    p.drawRect(QRectF(-14, -6, 28, 3));
    p.setPen(QPen(QColor(255, 250, 240), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-7, -15), QPointF(-7, -8));
    p.drawLine(QPointF(7, -15), QPointF(7, -8));
    p.setPen(QColor(0xb3, 0x26, 0x1e));
    QFont font = Font(11, true);
    p.setFont(font);
    p.drawText(QRectF(-14, -3, 28, 18), Qt::AlignCenter, QStringLiteral("吉"));
}

void IconAlmanac(QPainter& p) {
    // A thread-bound almanac booklet with its title slip and a tassel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf5, 0xd2, 0x6a));
    p.drawRect(QRectF(-12, -15, 24, 30));
    p.setBrush(QColor(0xd9, 0xa8, 0x3a));
    p.drawRect(QRectF(-12, -15, 4, 30));
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x12), 0.9));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(-12, -11 + i * 7), QPointF(-8, -11 + i * 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240));
    p.drawRect(QRectF(-3, -12, 11, 22));
    p.setPen(QColor(0xa3, 0x22, 0x1a));
    p.setFont(Font(8.5, true));
    p.drawText(QRectF(-3, -12, 11, 11), Qt::AlignCenter, QStringLiteral("黄"));
    p.drawText(QRectF(-3, -1, 11, 11), Qt::AlignCenter, QStringLiteral("历"));
    p.setPen(QPen(kGold, 1.2));
    p.drawLine(QPointF(10, 15), QPointF(13, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(13.5, 19.5), 1.8, 1.8);
}

void IconDream(QPainter& p) {
    // A crescent moon over a cloud, with two stars.
    QPainterPath moon;
    moon.addEllipse(QPointF(-2, -3), 12, 12);
    QPainterPath bite;
    bite.addEllipse(QPointF(5, -7), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaleGold);
    p.drawPath(moon.subtracted(bite));
    p.setBrush(QColor(255, 250, 240));
    Star(p, QPointF(11, -12), 4.2);
    Star(p, QPointF(15, -2), 2.6);
    QPainterPath cloud;
    cloud.addEllipse(QPointF(-6, 10), 7, 5);
    cloud.addEllipse(QPointF(2, 7), 7.5, 6.5);
    cloud.addEllipse(QPointF(10, 10), 6, 4.5);
    cloud.addRect(QRectF(-8, 10, 18, 4.5));
    p.setBrush(QColor(255, 250, 240, 235));
    p.drawPath(cloud.simplified());
}

void IconTools(QPainter& p) {
    // A gear with a square grid of small tools beside it.
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * M_PI / teeth;
        const double a1 = (i + 1) * M_PI / teeth;
        const double r = (i % 2 == 0) ? 12.5 : 9.5;
        const QPointF p0(r * std::cos(a0), r * std::sin(a0));
        const QPointF p1(r * std::cos(a1), r * std::sin(a1));
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 4.2, 4.2);
    p.save();
    p.translate(-4, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaleGold);
    p.drawPath(gear.subtracted(hole));
    p.restore();
    p.setBrush(QColor(255, 250, 240));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            p.drawRoundedRect(QRectF(5 + col * 6.5, 5 + row * 6.5, 5, 5), 1.2, 1.2);
}

void DrawTitleStrip(QPainter& p) {
    QLinearGradient strip(0, 0, 0, 22);
    strip.setColorAt(0, QColor(0x5a, 0x0a, 0x07));
    strip.setColorAt(1, QColor(0x86, 0x15, 0x0f));
    p.fillRect(QRect(0, 0, kWidth, 22), strip);

    // A small seal before the title.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(7, 3, 16, 16), 2.5, 2.5);
    p.setPen(QColor(0x86, 0x15, 0x0f));
    p.setFont(Font(8.5, true));
    p.drawText(QRectF(7, 3, 16, 16), Qt::AlignCenter, QStringLiteral("名"));
    ShadowText(p, QRectF(30, 0, 400, 22), QStringLiteral("Velmora软件  ·  企业起名与八字分析"),
               Font(9.5, true), QColor(0xff, 0xf3, 0xd6), Qt::AlignLeft | Qt::AlignVCenter);

    // Frame buttons: minimise at 724..751, close at 752..791.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(723, 3, 723, 19);
    p.drawLine(751, 3, 751, 19);
    p.fillRect(QRect(752, 1, 39, 19), QColor(0xc4, 0x2b, 0x1f));
    p.setPen(QPen(QColor(0xff, 0xf3, 0xd6), 2, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(732, 14, 743, 14);
    p.setPen(QPen(QColor(0xff, 0xf3, 0xd6), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(766.5, 5.5), QPointF(776.5, 15.5));
    p.drawLine(QPointF(776.5, 5.5), QPointF(766.5, 15.5));
    p.fillRect(QRect(0, 21, kWidth, 1), kGold);
}

void DrawToolbar(QPainter& p) {
    QLinearGradient band(0, 22, 0, 104);
    band.setColorAt(0, QColor(0xb8, 0x2a, 0x20));
    band.setColorAt(0.55, QColor(0x95, 0x1b, 0x14));
    band.setColorAt(1, QColor(0x6e, 0x0f, 0x0b));
    p.fillRect(QRect(0, 22, kWidth, 82), band);
    // Faint clouds behind the icons.
    p.setRenderHint(QPainter::Antialiasing);
    const QColor faint(255, 220, 160, 26);
    Cloud(p, QPointF(60, 92), 0.9, faint);
    Cloud(p, QPointF(300, 40), 0.8, faint);
    Cloud(p, QPointF(470, 90), 1.0, faint);
    Cloud(p, QPointF(640, 44), 1.2, faint);
    Cloud(p, QPointF(760, 88), 0.9, faint);

    struct Tool {
        int left;
        const char* caption;
        void (*icon)(QPainter&);
    };
    static constexpr Tool kTools[] = {
        {7, "公司取名", IconCompany},   {89, "名字分析", IconAnalysis},
        {171, "生辰八字", IconBazi},    {253, "开张吉日", IconOpeningDay},
        {334, "本日黄历", IconAlmanac}, {416, "解梦大全", IconDream},
        {498, "其他功能", IconTools},
    };
    for (const Tool& tool : kTools) {
        const QRectF area(tool.left, 24, 75, 76);
        p.save();
        p.translate(area.center().x(), 24 + 29);
        Medallion(p);
        tool.icon(p);
        p.restore();
        ShadowText(p, QRectF(tool.left - 4, 24 + 55, 83, 18), QString::fromUtf8(tool.caption),
                   Font(9, true), QColor(0xff, 0xf3, 0xd6));
    }
    // Thin dividers between the buttons.
    for (int i = 1; i < 7; ++i) {
        const int x = kTools[i].left - 4;
        QLinearGradient line(0, 30, 0, 98);
        line.setColorAt(0, QColor(255, 220, 160, 0));
        line.setColorAt(0.5, QColor(255, 220, 160, 70));
        line.setColorAt(1, QColor(255, 220, 160, 0));
        p.fillRect(QRect(x, 30, 1, 68), line);
    }

    // The brand block at the right of the toolbar.
    const QRectF brand(590, 28, 200, 70);
    ShadowText(p, QRectF(brand.left(), 30, brand.width(), 34), QStringLiteral("企业起名"),
               Font(21, true), kGold, Qt::AlignRight | Qt::AlignVCenter);
    ShadowText(p, QRectF(brand.left(), 66, brand.width(), 20),
               QStringLiteral("八字 · 五行 · 数理 · 吉日"), Font(9), kPaleGold,
               Qt::AlignRight | Qt::AlignVCenter);
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(640, 64), QPointF(790, 64));
    p.fillRect(QRect(0, 103, kWidth, 1), kGold);
}

void DrawPageAreaAndStatus(QPainter& p) {
    // Warm frame around the white page area.
    p.fillRect(QRect(0, 104, kWidth, kHeight - 104), QColor(0xf3, 0xe8, 0xd3));
    p.fillRect(QRect(5, 106, 790, 456), Qt::white);
    p.setPen(QColor(0xc9, 0xb2, 0x8a));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(4, 105, 791, 457));

    // Status strip.
    QLinearGradient status(0, 564, 0, kHeight);
    status.setColorAt(0, QColor(0xef, 0xe2, 0xc8));
    status.setColorAt(1, QColor(0xdc, 0xc8, 0xa2));
    p.fillRect(QRect(0, 564, kWidth, kHeight - 564), status);
    p.fillRect(QRect(0, 564, kWidth, 1), QColor(0xc9, 0xb2, 0x8a));
    p.setPen(kInk);
    p.setFont(Font(8.5));
    p.drawText(QRect(12, 566, 420, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("好名字，好开端 —— 依生辰八字与笔画数理为企业择名"));
    p.setPen(QColor(0x7a, 0x5a, 0x30));
    p.drawText(QRect(450, 566, 338, 22), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Velmora 企业起名  版本 0.1"));
    p.setPen(QColor(0xc9, 0xb2, 0x8a));
    p.drawLine(620, 570, 620, 584);
}

QImage DrawMainBackground() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawTitleStrip(p);
    DrawToolbar(p);
    DrawPageAreaAndStatus(p);
    return image;
}

// ---- tools page ----

void ToolPhone(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-10, -17, 20, 34), 4, 4);
    p.setBrush(QColor(0x2f, 0x6f, 0xb5));
    p.drawRect(QRectF(-7.5, -12, 15, 22));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 13.5), 1.8, 1.8);
    // Signal bars on the screen.
    p.setBrush(Qt::white);
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(-4.5 + i * 3.5, 2 - i * 3.5, 2.2, 3.5 + i * 3.5));
}

void ToolQQ(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(-17, -14, 34, 24), 9, 9);
    QPolygonF tail;
    tail << QPointF(-6, 9) << QPointF(-11, 17) << QPointF(2, 9);
    bubble.addPolygon(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(bubble.simplified());
    p.setPen(QColor(0x1c, 0x8a, 0x78));
    p.setFont(Font(12, true));
    p.drawText(QRectF(-17, -14, 34, 24), Qt::AlignCenter, QStringLiteral("QQ"));
}

void ToolNumber(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-18, -12, 36, 24), 5, 5);
    p.setPen(QColor(0xc0, 0x6a, 0x10));
    p.setFont(Font(12, true));
    p.drawText(QRectF(-18, -12, 36, 24), Qt::AlignCenter, QStringLiteral("168"));
}

void ToolNickname(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-5, -5), 6.5, 6.5);
    QPainterPath body;
    body.addRoundedRect(QRectF(-16, 3, 22, 15), 7, 7);
    p.drawPath(body);
    p.drawRoundedRect(QRectF(4, -17, 15, 11), 3, 3);
    p.setBrush(QColor(0x8b, 0x3f, 0xa8));
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(7.5 + i * 4, -11.5), 1.2, 1.2);
}

void ToolCalendar(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-16, -13, 32, 29), 3, 3);
    p.setBrush(QColor(0xff, 0xd9, 0xd2));
    p.drawRect(QRectF(-16, -8, 32, 3));
    p.setBrush(QColor(0xc8, 0x3a, 0x2c));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) p.drawRect(QRectF(-12 + col * 7, -2 + row * 5.5, 4, 3.5));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-8, -17), QPointF(-8, -10));
    p.drawLine(QPointF(8, -17), QPointF(8, -10));
}

QImage DrawToolsPage() {
    constexpr int kPageWidth = 788;
    constexpr int kPageHeight = 457;
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient backdrop(0, 0, 0, kPageHeight);
    backdrop.setColorAt(0, QColor(0xfb, 0xf6, 0xec));
    backdrop.setColorAt(1, Qt::white);
    p.fillRect(image.rect(), backdrop);
    Cloud(p, QPointF(110, 330), 1.6, QColor(0xe8, 0xd6, 0xb0, 120));
    Cloud(p, QPointF(690, 360), 1.9, QColor(0xe8, 0xd6, 0xb0, 120));
    Cloud(p, QPointF(650, 60), 1.2, QColor(0xe8, 0xd6, 0xb0, 100));

    p.setPen(QColor(0x86, 0x15, 0x0f));
    p.setFont(Font(16, true));
    p.drawText(QRect(0, 30, kPageWidth, 30), Qt::AlignCenter, QStringLiteral("实用工具"));
    p.setPen(QColor(0x7a, 0x5a, 0x30));
    p.setFont(Font(9));
    p.drawText(QRect(0, 62, kPageWidth, 20), Qt::AlignCenter,
               QStringLiteral("号码吉凶、网名性格与万年历，点击图标即可打开"));
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(300, 88), QPointF(488, 88));

    struct Tile {
        int left;
        const char* caption;
        QColor top;
        QColor bottom;
        void (*icon)(QPainter&);
    };
    const Tile tiles[] = {
        {188, "手机号码测算", QColor(0x4a, 0x90, 0xd9), QColor(0x23, 0x5d, 0xa0), ToolPhone},
        {273, "QQ号码测试", QColor(0x3c, 0xb8, 0x9c), QColor(0x17, 0x7d, 0x6a), ToolQQ},
        {359, "任意号码分析", QColor(0xf0, 0xa0, 0x3c), QColor(0xc0, 0x6a, 0x10), ToolNumber},
        {444, "网名与性格", QColor(0xb0, 0x6c, 0xcc), QColor(0x7b, 0x35, 0x99), ToolNickname},
        {529, "万年历", QColor(0xe0, 0x55, 0x45), QColor(0xa8, 0x24, 0x1a), ToolCalendar},
    };
    for (const Tile& tile : tiles) {
        const QRectF box(tile.left, 108, 71, 71);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawRoundedRect(box.translated(0, 3), 14, 14);
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, tile.top);
        fill.setColorAt(1, tile.bottom);
        p.setBrush(fill);
        p.drawRoundedRect(box, 14, 14);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawRoundedRect(QRectF(box.left() + 3, box.top() + 3, box.width() - 6, 30), 11, 11);
        p.save();
        p.translate(box.center());
        tile.icon(p);
        p.restore();
        p.setPen(kInk);
        p.setFont(Font(9, true));
        p.drawText(QRectF(box.left() - 14, box.bottom() + 8, box.width() + 28, 20), Qt::AlignCenter,
                   QString::fromUtf8(tile.caption));
    }

    p.setPen(QColor(0x9a, 0x86, 0x66));
    p.setFont(Font(8.5));
    p.drawText(QRect(0, 400, kPageWidth, 20), Qt::AlignCenter,
               QStringLiteral("测算结果取自传统说法，仅供参考与娱乐"));
    return image;
}

// ---- dream tree nodes ----
// Four square tiles side by side: a category (a closed book), a chosen
// category (an open book), a dream title (a crescent moon) and a chosen title
// (the moon with a star). Each is drawn at 64 x 64 around the origin and
// scaled down to kNodeSize, so the small picture stays smooth. Full tiles
// need no transparency, which JPEG lacks.

constexpr int kNodeSize = 18;

void NodeTile(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient fill(0, -32, 0, 32);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(-32, -32, 64, 64), 12, 12);
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawRoundedRect(QRectF(-28, -28, 56, 24), 9, 9);
}

void NodeClosedBook(QPainter& p) {
    NodeTile(p, kRed, kDeepRed);
    p.setBrush(kPaleGold);
    p.drawRoundedRect(QRectF(-17, -22, 34, 44), 3, 3);
    p.setBrush(kGold.darker(135));
    p.drawRect(QRectF(-17, -22, 7, 44));  // the spine
    p.setBrush(kRed);
    p.drawRect(QRectF(-4, -14, 16, 5));  // the title label
}

void NodeOpenBook(QPainter& p) {
    NodeTile(p, kGold, QColor(0xc8, 0x7a, 0x1e));
    p.setBrush(Qt::white);
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(0, -14);
        page.cubicTo(side * 8, -20, side * 18, -20, side * 25, -16);
        page.lineTo(side * 25, 18);
        page.cubicTo(side * 18, 14, side * 8, 14, 0, 20);
        page.closeSubpath();
        p.drawPath(page);
    }
    p.setPen(QPen(kDeepRed, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        for (int row = 0; row < 3; ++row)
            p.drawLine(QPointF(side * 6, -6 + row * 8), QPointF(side * 19, -8 + row * 8));
    p.drawLine(QPointF(0, -14), QPointF(0, 20));
}

void NodeMoon(QPainter& p, bool chosen) {
    NodeTile(p, chosen ? QColor(0x5b, 0x86, 0xd6) : QColor(0x3a, 0x55, 0x9a),
             chosen ? QColor(0x2c, 0x4c, 0x9c) : QColor(0x1c, 0x2a, 0x5c));
    QPainterPath moon;
    moon.addEllipse(QPointF(-3, 2), 20, 20);
    QPainterPath bite;
    bite.addEllipse(QPointF(9, -6), 17, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(chosen ? QColor(255, 244, 200) : kPaleGold);
    p.drawPath(moon.subtracted(bite));
    if (chosen) {
        p.setBrush(Qt::white);
        Star(p, QPointF(16, -14), 9);
    }
}

QImage DrawDreamNodes() {
    void (*const draw[])(QPainter&) = {
        NodeClosedBook,
        NodeOpenBook,
        [](QPainter& p) { NodeMoon(p, false); },
        [](QPainter& p) { NodeMoon(p, true); },
    };
    constexpr int kCount = sizeof draw / sizeof draw[0];
    QImage large(64 * kCount, 64, QImage::Format_RGB32);
    large.fill(Qt::white);
    QPainter p(&large);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < kCount; ++i) {
        p.save();
        p.translate(64 * i + 32, 32);
        draw[i](p);
        p.restore();
    }
    p.end();
    return large.scaled(kNodeSize * kCount, kNodeSize, Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

}  // namespace

// The application icon: the naming medallion with its office towers on a deep
// red tile, drawn at any size for the desktop's icon theme.
QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, kRed);
    tile.setColorAt(1, kDeepRed);
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.translate(32, 32);
    p.scale(1.2, 1.2);
    Medallion(p);
    IconCompany(p);
    return image;
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-artwork <output folder>\n");
        return 2;
    }
    for (const char* family : {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "Droid Sans Fallback"}) {
        if (QFontDatabase::families().contains(QString::fromLatin1(family))) {
            g_family = QString::fromLatin1(family);
            break;
        }
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = SaveJpeg(DrawMainBackground(), folder + "/main_background.jpg", 93) &&
              SaveJpeg(DrawToolsPage(), folder + "/tools_page.jpg", 93) &&
              SaveJpeg(DrawDreamNodes(), folder + "/dream_nodes.jpg", 95);
    for (int size : {32, 48, 64, 128, 256})
        ok = ok && DrawAppIcon(size).save(folder + QStringLiteral("/icons/velmora-%1.png").arg(size));
    if (!ok) {
        std::fprintf(stderr, "velmora-artwork: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
