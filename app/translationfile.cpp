#include "app/translationfile.h"

#include "core/safewrite.h"

#include <QBitArray>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>
#include <QVariant>

#include <algorithm>
#include <cstring>
#include <limits>

namespace
{

// The layout written by the toolkit's release tool.
const uchar Magic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                         0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
enum Block : uchar {
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    NumerusRules = 0x88,
    Dependencies = 0x96
};
enum Tag : uchar {
    TagEnd = 1,
    TagTranslation = 3,
    TagObsolete1 = 5,
    TagSourceText = 6,
    TagContext = 7,
    TagComment = 8
};

quint32 read32(const uchar *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

quint16 read16(const uchar *p)
{
    return quint16((p[0] << 8) | p[1]);
}

struct Span {
    const uchar *data = nullptr;
    quint64 size = 0;
};

bool refuse(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return false;
}

// Walks the message record at `start` as a look-up would, until its end
// tag or a tag the look-up gives up on. Positions already walked from are
// known good, so the whole check stays linear in the size of the block.
bool walkMessage(const Span &messages, quint64 start, QBitArray &walked)
{
    quint64 pos = start;
    const quint64 size = messages.size;
    for (;;) {
        if (pos >= size)
            return true; // read as "no tag": the look-up stops
        if (walked.testBit(int(pos)))
            return true;
        walked.setBit(int(pos));
        const uchar tag = messages.data[pos];
        switch (tag) {
        case TagEnd:
            return true;
        case TagObsolete1:
            if (pos + 5 > size)
                return false;
            pos += 5;
            break;
        case TagTranslation:
        case TagSourceText:
        case TagContext:
        case TagComment: {
            if (pos + 5 > size)
                return false;
            const quint64 length = read32(messages.data + pos + 1);
            if (tag == TagTranslation && (length & 1))
                return true; // an odd length ends the look-up
            // A comment's first byte is read even when it is empty.
            if (pos + 5 + std::max<quint64>(length, tag == TagComment ? 1 : 0) > size)
                return false;
            pos += 5 + length;
            break;
        }
        default:
            return true; // the look-up gives up on an unknown tag
        }
    }
}

bool checkContexts(const Span &contexts)
{
    if (contexts.size < 2)
        return false;
    const quint64 tableSize = read16(contexts.data);
    // The look-up divides by the table size.
    if (tableSize == 0 || 2 + 2 * tableSize > contexts.size)
        return false;
    QBitArray walked(int(contexts.size));
    for (quint64 bucket = 0; bucket < tableSize; ++bucket) {
        const quint64 offset = read16(contexts.data + 2 + 2 * bucket);
        if (offset == 0)
            continue;
        quint64 pos = 2 + 2 * tableSize + 2 * offset;
        for (;;) {
            if (pos >= contexts.size)
                return false;
            if (walked.testBit(int(pos)))
                break;
            walked.setBit(int(pos));
            const quint64 length = contexts.data[pos];
            if (length == 0)
                break;
            if (pos + 1 + length > contexts.size)
                return false;
            pos += 1 + length;
        }
    }
    return true;
}

} // namespace

namespace TranslationFile
{

bool isSafe(const QByteArray &bytes, QString *reason)
{
    if (bytes.size() > MaximumBytes)
        return refuse(reason, QStringLiteral("larger than %1 bytes").arg(MaximumBytes));
    if (bytes.size() < int(sizeof(Magic)) || std::memcmp(bytes.constData(), Magic, sizeof(Magic)) != 0)
        return refuse(reason, QStringLiteral("not a translation file"));
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint64 size = quint64(bytes.size());
    Span contexts;
    Span hashes;
    Span messages;
    // The blocks as the loader finds them: it stops at a zero tag or length.
    quint64 pos = sizeof(Magic);
    while (pos + 5 < size) {
        const uchar tag = data[pos];
        const quint64 length = read32(data + pos + 1);
        pos += 5;
        if (tag == 0 || length == 0)
            break;
        if (length > size - pos)
            return refuse(reason, QStringLiteral("a block runs past the end of the file"));
        const Span span{data + pos, length};
        switch (tag) {
        case Contexts:
            contexts = span;
            break;
        case Hashes:
            hashes = span;
            break;
        case Messages:
            messages = span;
            break;
        case Dependencies:
            // They would load further files, unchecked.
            return refuse(reason, QStringLiteral("it depends on other translation files"));
        case NumerusRules: // checked by the loader itself
        default:
            break;
        }
        pos += length;
    }
    if (contexts.data && !checkContexts(contexts))
        return refuse(reason, QStringLiteral("a damaged context table"));
    if (!hashes.data)
        return true;
    if (hashes.size % 8 != 0)
        return refuse(reason, QStringLiteral("a damaged hash table"));
    if (!messages.data)
        return refuse(reason, QStringLiteral("a hash table without messages"));
    if (messages.size > quint64(std::numeric_limits<int>::max()))
        return refuse(reason, QStringLiteral("a message block too large"));
    QBitArray walked(int(messages.size));
    for (quint64 entry = 0; entry < hashes.size; entry += 8) {
        const quint64 offset = read32(hashes.data + entry + 4);
        if (offset > messages.size || !walkMessage(messages, offset, walked))
            return refuse(reason, QStringLiteral("a message runs past the end of its block"));
    }
    return true;
}

bool load(QTranslator &translator, const QString &path, QString *reason)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return refuse(reason,
                      info.exists() ? QStringLiteral("not a regular file") : QStringLiteral("no such file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(reason, file.errorString());
    const QByteArray bytes = file.read(MaximumBytes + 1);
    if (!isSafe(bytes, reason))
        return false;
    // The translator reads the bytes in place: they live as long as it does.
    translator.setProperty("kalvixTranslationBytes", bytes);
    if (!translator.load(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size()))
        return refuse(reason, QStringLiteral("the toolkit refused it"));
    return true;
}

} // namespace TranslationFile
