// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one size of the program's icon as the PNG that desktop icon themes and software
// centres take: the small sizes from their hand-drawn XPM, the large ones rendered from the SVG.
// Usage: export_icon INPUT.xpm|INPUT.svg SIZE OUTPUT.png
#include <QImage>
#include <QPainter>
#ifdef DAYWRIGHT_SVG
#include <QSvgRenderer>
#endif

#include <cstdio>

namespace {

QImage render(const QString &input, int size)
{
    if (!input.endsWith(QLatin1String(".svg")))
        return QImage(input).scaled(size, size);
    QImage icon;
#ifdef DAYWRIGHT_SVG
    QSvgRenderer svg(input);
    if (svg.isValid()) {
        icon = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        svg.render(&painter);
    }
#endif
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s INPUT.xpm|INPUT.svg SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const int size = QByteArray(argv[2]).toInt();
    const QImage icon = size > 0 ? render(QString::fromLocal8Bit(argv[1]), size) : QImage();
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "could not make %s at %s pixels into %s\n", argv[1], argv[2], argv[3]);
        return 1;
    }
    return 0;
}
