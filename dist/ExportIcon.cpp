// Writes the program's icon, drawn as XPM, as the PNG that desktop icon themes take.
// Usage: export_icon INPUT.xpm OUTPUT.png
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT.xpm OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]), "XPM");
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "could not turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
