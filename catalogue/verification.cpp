#include "catalogue/verification.h"

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "keydigest.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

namespace
{

void warn(const QString &text)
{
    qWarning().noquote() << text;
}

bool readWhole(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    // Opening a named pipe or a device could block for ever; the key is a
    // resource, which QFileInfo does not call a regular file.
    const bool resource = path.startsWith(QLatin1Char(':'));
    if ((!resource && !QFileInfo(path).isFile()) || !file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("Could not open file ") + path);
        return false;
    }
    bytes = file.readAll();
    return true;
}

// Steps 6 to 10 of the check; the caller adds the closing warning.
bool verifyWithKey(EVP_PKEY *key, const QByteArray &data, const QByteArray &signature)
{
    const int keyType = EVP_PKEY_get_base_id(key);
    const int keyBits = EVP_PKEY_get_bits(key);
    if (keyType != EVP_PKEY_RSA || keyBits < Verification::MinimumKeyBits) {
        warn(QStringLiteral("Public key refused, an RSA key of at least 2048 bits is required; key bits: ") +
             QString::number(keyBits));
        return false;
    }

    EVP_MD_CTX *context = EVP_MD_CTX_new();
    if (!context) {
        warn(QStringLiteral("Failed to create digest context"));
        return false;
    }
    bool ok = false;
    EVP_PKEY_CTX *keyContext = nullptr;
    if (EVP_DigestVerifyInit(context, &keyContext, EVP_sha256(), nullptr, key) != 1 ||
        EVP_PKEY_CTX_set_rsa_padding(keyContext, RSA_PKCS1_PADDING) != 1) {
        warn(QStringLiteral("DigestVerifyInit failed"));
    } else if (EVP_DigestVerifyUpdate(context, data.constData(), static_cast<size_t>(data.size())) != 1) {
        warn(QStringLiteral("DigestVerifyUpdate failed"));
    } else if (EVP_DigestVerifyFinal(context, reinterpret_cast<const unsigned char *>(signature.constData()),
                                     static_cast<size_t>(signature.size())) != 1) {
        // Only exactly 1 means verified: 0 is a mismatch, negative values errors.
        warn(QStringLiteral("DigestVerifyFinal failed (invalid signature)"));
    } else {
        ok = true;
    }
    EVP_MD_CTX_free(context);
    return ok;
}

} // namespace

bool Verification::verifySignature(const QByteArray &publicKeyPem, const QByteArray &data,
                                   const QByteArray &signature)
{
    EVP_PKEY *key = nullptr;
    BIO *buffer = BIO_new_mem_buf(publicKeyPem.constData(), static_cast<int>(publicKeyPem.size()));
    if (buffer) {
        key = PEM_read_bio_PUBKEY(buffer, nullptr, nullptr, nullptr);
        BIO_free(buffer);
    }

    bool ok = false;
    if (!key)
        warn(QStringLiteral("Failed to parse public key"));
    else
        ok = verifyWithKey(key, data, signature);
    EVP_PKEY_free(key);
    // Leave no stale errors behind for the next caller of the library.
    ERR_clear_error();

    if (!ok)
        warn(QStringLiteral("Signature verification failed!"));
    return ok;
}

bool Verification::pickDataFiles(const QStringList &fileNames, const QString &folder, QString &dataName,
                                 QString &signatureName)
{
    QStringList names = fileNames;
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    int dataFiles = 0;
    dataName.clear();
    signatureName.clear();
    for (const QString &name : qAsConst(names)) {
        if (name.endsWith(QLatin1String(".csv"), Qt::CaseSensitive)) {
            dataName = name;
            ++dataFiles;
        } else if (name.endsWith(QLatin1String(".sig"), Qt::CaseSensitive)) {
            signatureName = name;
        }
    }
    if (dataName.isEmpty()) {
        warn(QStringLiteral("No CSV file not found in ") + folder);
        return false;
    }
    if (signatureName.isEmpty()) {
        warn(QStringLiteral("No SIG file not found in ") + folder);
        return false;
    }
    // The reader takes the first data file and this check the last: with
    // several, an unsigned file could be read beside a signed one.
    if (dataFiles > 1) {
        warn(QStringLiteral("Several CSV files found in ") + folder);
        return false;
    }
    return true;
}

bool Verification::verifyCatalogueData(const QByteArray &data, const QByteArray &signature)
{
    QByteArray key;
    if (!readWhole(Catalogue::publicKeyPath(), key))
        return false;
    const QByteArray expected = QByteArray::fromHex(QByteArrayLiteral(KALVIX_PUBLIC_KEY_SHA256));
    if (QCryptographicHash::hash(key, QCryptographicHash::Sha256) != expected) {
        warn(QStringLiteral("The internal public key has been modified!"));
        return false;
    }
    return verifySignature(key, data, signature);
}

bool Catalogue::verifyDataFolder(const QString &folder) const
{
    QByteArray data;
    return verifyDataFolder(folder, data);
}

bool Catalogue::verifyDataFolder(const QString &folder, QByteArray &data) const
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.csv"), QStringLiteral("*.sig")},
                                                     QDir::Files, QDir::Name | QDir::IgnoreCase);
    QString dataName;
    QString signatureName;
    if (!Verification::pickDataFiles(names, folder, dataName, signatureName))
        return false;
    QByteArray signature;
    if (!readWhole(folder + QLatin1Char('/') + dataName, data) ||
        !readWhole(folder + QLatin1Char('/') + signatureName, signature))
        return false;
    return Verification::verifyCatalogueData(data, signature);
}
