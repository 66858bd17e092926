// Compares two pictures pixel for pixel: prints how many pixels differ and
// the rectangle around them; exits 1 when any does (or the sizes differ).
//
//   picture_diff BEFORE.png AFTER.png

#include <QtCore/QRect>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture_diff BEFORE.png AFTER.png\n");
        return 2;
    }
    const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || b.isNull()) {
        std::fprintf(stderr, "picture_diff: cannot read a picture\n");
        return 2;
    }
    if (a.size() != b.size()) {
        std::printf("sizes differ: %dx%d and %dx%d\n", a.width(), a.height(), b.width(),
                    b.height());
        return 1;
    }
    long differing = 0;
    QRect around;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++differing;
                around |= QRect(x, y, 1, 1);
            }
    std::printf("%ld pixels differ", differing);
    if (differing)
        std::printf(", within %dx%d at %d,%d", around.width(), around.height(), around.x(),
                    around.y());
    std::printf("\n");
    return differing ? 1 : 0;
}
