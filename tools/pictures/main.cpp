// zamt05-pictures <folder>: draws every picture of the program and writes it
// into the folder under the name the program's resources use.
#include "Pictures.h"
#include "platform/Jpeg.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

namespace {

struct JpegPicture {
    const char* fileName;
    std::function<QImage()> draw;
    int width;
    int height;
};

constexpr int kJpegQuality = 92;

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "zamt05-pictures: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

bool checkSize(const char* name, const QImage& image, int width, int height) {
    if (image.width() == width && image.height() == height)
        return true;
    std::fprintf(stderr, "zamt05-pictures: %s drawn at %dx%d, expected %dx%d\n", name,
                 image.width(), image.height(), width, height);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // The pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zamt05-pictures <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "zamt05-pictures: cannot create folder %s\n", argv[1]);
        return 1;
    }

    using namespace zamt::pictures;
    const JpegPicture jpegs[] = {
        {"workers.jpg", drawWorkers, 352, 305}, {"portrait.jpg", drawPortrait, 62, 84},
        {"emblem.jpg", drawEmblem, 60, 160},    {"chartbutton.jpg", drawChartButton, 330, 30},
        {"chart7.jpg", drawChart7, 574, 406},
    };
    bool ok = true;
    for (const JpegPicture& picture : jpegs) {
        const QImage image = picture.draw();
        if (!checkSize(picture.fileName, image, picture.width, picture.height)) {
            ok = false;
            continue;
        }
        const QByteArray bytes = zamt::encodeJpeg(image, kJpegQuality);
        if (bytes.isEmpty()) {
            std::fprintf(stderr, "zamt05-pictures: cannot encode %s\n", picture.fileName);
            ok = false;
            continue;
        }
        ok = writeFile(folder.filePath(QString::fromLatin1(picture.fileName)), bytes) && ok;
    }
    for (const int size : kTapIconSizes) {
        const QString name = QStringLiteral("tap%1.png").arg(size);
        const QImage icon = drawTapIcon(size);
        if (!checkSize(qPrintable(name), icon, size, size)) {
            ok = false;
            continue;
        }
        const QString path = folder.filePath(name);
        if (!icon.save(path, "PNG")) {
            std::fprintf(stderr, "zamt05-pictures: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
