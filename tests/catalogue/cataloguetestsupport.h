#pragma once

// Shared helpers of the catalogue tests: warning capture, files in the
// per-user data folder, signed catalogue data and packs.

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "tools/packbuilder/packtool.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QStringList>
#include <QTest>

namespace CatalogueTest
{

// Records every warning written while it lives, so a test can compare the
// whole list: a missing, extra or reworded warning fails.
class WarningRecorder
{
public:
    WarningRecorder() : m_previous(qInstallMessageHandler(&WarningRecorder::handle)) { current() = this; }
    ~WarningRecorder()
    {
        qInstallMessageHandler(m_previous);
        current() = nullptr;
    }
    WarningRecorder(const WarningRecorder &) = delete;
    WarningRecorder &operator=(const WarningRecorder &) = delete;

    QStringList take()
    {
        QStringList result;
        result.swap(m_messages);
        return result;
    }

private:
    static WarningRecorder *&current()
    {
        static WarningRecorder *recorder = nullptr;
        return recorder;
    }
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtWarningMsg && current())
            current()->m_messages.append(message);
    }

    QtMessageHandler m_previous;
    QStringList m_messages;
};

inline QString dataFolder()
{
    return Catalogue::dataLocation() + QStringLiteral("/data");
}

inline QString scratchFolder()
{
    return Catalogue::dataLocation() + QStringLiteral("/tmp_data");
}

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below a folder, by relative path, with its content.
inline QMap<QString, QByteArray> folderContents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

inline void clearDataLocation()
{
    QDir(Catalogue::dataLocation()).removeRecursively();
    QDir().mkpath(Catalogue::dataLocation());
}

// Reads a data file held in memory; data keeps whatever it held before.
inline bool readBytes(const QByteArray &bytes, CatalogueData &data)
{
    QBuffer buffer;
    buffer.setData(bytes);
    // Binary mode: line ends reach the reader as stored.
    buffer.open(QIODevice::ReadOnly);
    return DataFile::read(buffer, data);
}

inline QByteArray signingKey()
{
    return readFile(QStringLiteral(KALVIX_SIGNING_KEY));
}

inline QByteArray sign(const QByteArray &data)
{
    QString error;
    const QByteArray signature = PackTool::sign(data, signingKey(), &error);
    if (signature.isEmpty())
        qFatal("Signing failed: %s", qPrintable(error));
    return signature;
}

// A small but complete catalogue: one record per section.
inline QByteArray smallCatalogue(const QString &panelName = QStringLiteral("TXP 408"))
{
    return QStringLiteral(
               "Version;2.0\n"
               "Panel;;\n"
               "header\n"
               "%1;0,18;0,26;4,5;26;2;8;250;0,004;0,6;YES;2;panel.png\n"
               ";;\n"
               "Expansion box\nheader\nTXE 2;0,08;0,12;2,5;17;2;4;250;0,004;0,5;NO;TXP;box.png\n;\n"
               "Battery\nheader\nTVB 12-7;7,2;battery.png\n;\n"
               "External power source\nheader\nKSP900 EN;26;psu.png\n;\n"
               "External battery box\nheader\nEBX-26;26;ebx.png\n;\n"
               "Device\nheader\nOD-210;DET;OPT;0,0003;0,005;NO;1;YES;NO;NO;od.png\n;\n"
               "Auxiliary cards\nheader\nVRAL-2;0,06;NO;TXP;card.png\n;\n"
               "Distribution factor\nheader\n1;0,5\n"
               "Topology factor\nheader\n0,5;1\n")
        .arg(panelName)
        .toUtf8();
}

// The entries of a pack holding `data` as catalogue.csv, its signature and
// the given images (names below "images/").
inline QVector<PackTool::Entry> signedEntries(const QByteArray &data,
                                              const QMap<QString, QByteArray> &images = {},
                                              const QString &dataName = QStringLiteral("catalogue.csv"))
{
    QVector<PackTool::Entry> entries;
    entries.append({dataName, data, PackTool::Entry::File, true});
    entries.append({QFileInfo(dataName).completeBaseName() + QStringLiteral(".sig"), sign(data),
                    PackTool::Entry::File, true});
    for (auto it = images.begin(); it != images.end(); ++it)
        entries.append({QStringLiteral("images/") + it.key(), it.value(), PackTool::Entry::File, true});
    return entries;
}

// Picture bytes in the given format ("PNG", "JPEG", "GIF", ...). A
// one-bit image keeps even huge dimensions small.
inline QByteArray pictureBytes(int width, int height, const char *format = "PNG",
                               QImage::Format imageFormat = QImage::Format_RGB32)
{
    QImage image(width, height, imageFormat);
    image.fill(0);
    if (imageFormat == QImage::Format_RGB32) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        qFatal("Cannot write a %s picture", format);
    return bytes;
}

inline QString makePack(const QString &path, const QVector<PackTool::Entry> &entries)
{
    QString error;
    if (!PackTool::writePack(path, entries, &error))
        qFatal("Writing the pack failed: %s", qPrintable(error));
    return path;
}

} // namespace CatalogueTest
