// Draws an SVG icon into a square PNG, for the fixed sizes of the hicolor icon
// theme that desktops without SVG support (and menus drawn small) look for.
// Runs at build time: `render_icon ICON.svg SIZE OUT.png`, no display needed.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("Usage: render_icon ICON.svg SIZE OUT.png\n", stderr);
        return 2;
    }
    const std::string_view sizeText(argv[2]);
    int size = 0;
    const auto [end, error] = std::from_chars(sizeText.begin(), sizeText.end(), size);
    if (error != std::errc() || end != sizeText.end() || size < 1 || size > 1024) {
        std::fprintf(stderr,
                     "render_icon: the size \"%s\" is not a whole number of pixels from 1 "
                     "to 1024.\n",
                     argv[2]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: %s cannot be read as an SVG image.\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "render_icon: %s cannot be written.\n", argv[3]);
        return 1;
    }
    return 0;
}
