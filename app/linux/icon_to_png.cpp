// Build tool: writes the program's icon as the PNG a Linux icon theme takes.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: icon_to_png <icon.ico> <icon.png>\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "icon_to_png: cannot convert %s\n", argv[1]);
        return 1;
    }
    return 0;
}
