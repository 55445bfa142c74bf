#include "tools/packbuilder/packtool.h"

#include "catalogue/datapack.h"
#include "catalogue/verification.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <quazip/quacrc32.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

namespace
{

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool readFile(const QString &path, QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Could not open file ") + path);
    bytes = file.readAll();
    return true;
}

// A fixed time stamp keeps packs built from the same files comparable.
const QDateTime packTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);

} // namespace

QByteArray PackTool::sign(const QByteArray &data, const QByteArray &privateKeyPem, QString *error)
{
    EVP_PKEY *key = nullptr;
    if (BIO *buffer = BIO_new_mem_buf(privateKeyPem.constData(), static_cast<int>(privateKeyPem.size()))) {
        key = PEM_read_bio_PrivateKey(buffer, nullptr, nullptr, nullptr);
        BIO_free(buffer);
    }
    QByteArray signature;
    QString problem;
    EVP_MD_CTX *context = nullptr;
    EVP_PKEY_CTX *keyContext = nullptr;
    size_t length = 0;
    if (!key) {
        problem = QStringLiteral("Failed to parse private key");
    } else if (EVP_PKEY_get_base_id(key) != EVP_PKEY_RSA ||
               EVP_PKEY_get_bits(key) < Verification::MinimumKeyBits) {
        problem = QStringLiteral("The private key must be an RSA key of at least 2048 bits");
    } else if (!(context = EVP_MD_CTX_new())) {
        problem = QStringLiteral("Failed to create digest context");
    } else if (EVP_DigestSignInit(context, &keyContext, EVP_sha256(), nullptr, key) != 1 ||
               EVP_PKEY_CTX_set_rsa_padding(keyContext, RSA_PKCS1_PADDING) != 1) {
        problem = QStringLiteral("DigestSignInit failed");
    } else if (EVP_DigestSign(context, nullptr, &length,
                              reinterpret_cast<const unsigned char *>(data.constData()),
                              static_cast<size_t>(data.size())) != 1) {
        problem = QStringLiteral("DigestSign failed");
    } else {
        signature.resize(static_cast<int>(length));
        if (EVP_DigestSign(context, reinterpret_cast<unsigned char *>(signature.data()), &length,
                           reinterpret_cast<const unsigned char *>(data.constData()),
                           static_cast<size_t>(data.size())) != 1) {
            problem = QStringLiteral("DigestSign failed");
            signature.clear();
        } else {
            signature.resize(static_cast<int>(length));
        }
    }
    EVP_MD_CTX_free(context);
    EVP_PKEY_free(key);
    ERR_clear_error();
    if (!problem.isEmpty())
        fail(error, problem);
    return signature;
}

bool PackTool::writePack(const QString &path, const QVector<Entry> &entries, QString *error)
{
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QuaZip zip(partial);
        zip.setUtf8Enabled(true);
        // Without data descriptors the password check byte comes from the
        // checksum, which every zip tool understands.
        zip.setDataDescriptorWritingEnabled(false);
        if (!zip.open(QuaZip::mdCreate))
            return fail(
                error,
                QStringLiteral("Could not create %1 (zip error %2)").arg(partial).arg(zip.getZipError()));
        for (const Entry &entry : entries) {
            QuaZipNewInfo info(entry.name);
            info.dateTime = packTime;
            switch (entry.kind) {
            case Entry::File:
                info.externalAttr = quint32(0100644) << 16;
                break;
            case Entry::Folder:
                info.externalAttr = (quint32(0040755) << 16) | 0x10;
                break;
            case Entry::SymbolicLink:
                info.externalAttr = quint32(0120777) << 16;
                break;
            }
            QuaZipFile out(&zip);
            // Traditional zip encryption needs the checksum before the data.
            const quint32 crc = QuaCrc32().calculate(entry.content);
            if (!out.open(QIODevice::WriteOnly, info, entry.encrypted ? DataPack::Password : nullptr, crc)) {
                zip.close();
                QFile::remove(partial);
                return fail(error, QStringLiteral("Could not add %1 to %2").arg(entry.name, partial));
            }
            const bool written = out.write(entry.content) == entry.content.size();
            out.close();
            if (!written || out.getZipError() != ZIP_OK) {
                zip.close();
                QFile::remove(partial);
                return fail(error, QStringLiteral("Could not write %1 to %2").arg(entry.name, partial));
            }
        }
        zip.close();
        if (zip.getZipError() != ZIP_OK) {
            QFile::remove(partial);
            return fail(error, QStringLiteral("Could not complete %1").arg(partial));
        }
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        return fail(error, QStringLiteral("Could not write %1").arg(path));
    }
    return true;
}

bool PackTool::packEntries(const QString &dataFile, const QString &imagesFolder,
                           const QByteArray &privateKeyPem, QVector<Entry> &entries, QString *error)
{
    const QFileInfo data(dataFile);
    if (!data.fileName().endsWith(QLatin1String(".csv")))
        return fail(error, QStringLiteral("The data file's name must end with .csv: ") + dataFile);
    QByteArray content;
    if (!readFile(dataFile, content, error))
        return false;
    const QByteArray signature = sign(content, privateKeyPem, error);
    if (signature.isEmpty())
        return false;

    entries.clear();
    entries.append({data.fileName(), content, Entry::File, true});
    entries.append({data.completeBaseName() + QStringLiteral(".sig"), signature, Entry::File, true});
    if (!imagesFolder.isEmpty()) {
        const QStringList images = QDir(imagesFolder).entryList(QDir::Files, QDir::Name);
        for (const QString &name : images) {
            QByteArray image;
            if (!readFile(imagesFolder + QLatin1Char('/') + name, image, error))
                return false;
            entries.append({QStringLiteral("images/") + name, image, Entry::File, true});
        }
    }
    return true;
}

bool PackTool::buildPack(const QString &dataFile, const QString &imagesFolder, const QString &keyFile,
                         const QString &output, QString *error)
{
    QByteArray key;
    if (!readFile(keyFile, key, error))
        return false;
    QVector<Entry> entries;
    return packEntries(dataFile, imagesFolder, key, entries, error) && writePack(output, entries, error);
}
