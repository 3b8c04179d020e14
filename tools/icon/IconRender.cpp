// Draws the program's icon into the hicolor theme's sizes, for installing:
//   kvr27-icon OUTDIR
// writes OUTDIR/hicolor/<N>x<N>/apps/kvr27-clone.png for N = 16, 32, 48, 64, 128, 256.
#include "app/RadioPictures.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kvr27-icon OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        const QString file = folder + QStringLiteral("/kvr27-clone.png");
        if (!QDir().mkpath(folder) || !kvr27::ProgramIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
