// Draws the program's icon into the hicolor theme's sizes, for installing:
//   kvr27-icon OUTDIR
// writes OUTDIR/hicolor/<N>x<N>/apps/kvr27-clone.png for N = 16, 32, 48, 64, 128, 256,
// and the same pictures as one Windows icon, OUTDIR/kvr27-clone.ico (for the
// program's resource file).
#include "app/RadioPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <vector>

namespace {

void AppendLittleEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An icon file whose pictures are PNG data, as Windows takes them: the header, one
// entry per picture (a width or height of 256 is written as 0), then the pictures.
QByteArray IconFile(const std::vector<std::pair<int, QByteArray>>& pictures)
{
    QByteArray out;
    AppendLittleEndian(out, 0, 2);
    AppendLittleEndian(out, 1, 2);
    AppendLittleEndian(out, static_cast<quint32>(pictures.size()), 2);
    auto offset = static_cast<quint32>(6 + 16 * pictures.size());
    for (const auto& [size, png] : pictures) {
        AppendLittleEndian(out, size >= 256 ? 0 : static_cast<quint32>(size), 1);
        AppendLittleEndian(out, size >= 256 ? 0 : static_cast<quint32>(size), 1);
        AppendLittleEndian(out, 0, 2); // no palette, reserved
        AppendLittleEndian(out, 1, 2); // planes
        AppendLittleEndian(out, 32, 2); // bits per pixel
        AppendLittleEndian(out, static_cast<quint32>(png.size()), 4);
        AppendLittleEndian(out, offset, 4);
        offset += static_cast<quint32>(png.size());
    }
    for (const auto& picture : pictures)
        out.append(picture.second);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kvr27-icon OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    std::vector<std::pair<int, QByteArray>> pictures;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        const QString file = folder + QStringLiteral("/kvr27-clone.png");
        QByteArray png;
        QBuffer buffer(&png);
        if (!QDir().mkpath(folder) || !buffer.open(QIODevice::WriteOnly) ||
            !kvr27::ProgramIcon(size).save(&buffer, "PNG")) {
            std::fprintf(stderr, "cannot draw the icon of %d pixels\n", size);
            return 1;
        }
        QFile pictureFile(file);
        if (!pictureFile.open(QIODevice::WriteOnly) || pictureFile.write(png) != png.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        pictures.emplace_back(size, png);
    }
    const QString icoName = out + QStringLiteral("/kvr27-clone.ico");
    QFile ico(icoName);
    const QByteArray icon = IconFile(pictures);
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icon) != icon.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(icoName));
        return 1;
    }
    return 0;
}
