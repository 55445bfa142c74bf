// Signature check of a data folder and of a data file's bytes.

#include "catalogue/verification.h"
#include "cataloguetestsupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

using namespace CatalogueTest;

namespace
{

struct KeyPair {
    QByteArray publicPem;
    QByteArray privatePem;
};

// A fresh RSA key pair of the given size, made here so that a test can sign
// with a key the program must refuse.
KeyPair makeKeyPair(unsigned bits)
{
    KeyPair pair;
    EVP_PKEY *key = EVP_RSA_gen(bits);
    if (!key)
        qFatal("Could not generate an RSA key");
    BIO *pub = BIO_new(BIO_s_mem());
    BIO *priv = BIO_new(BIO_s_mem());
    PEM_write_bio_PUBKEY(pub, key);
    PEM_write_bio_PrivateKey(priv, key, nullptr, nullptr, 0, nullptr, nullptr);
    char *bytes = nullptr;
    long size = BIO_get_mem_data(pub, &bytes);
    pair.publicPem = QByteArray(bytes, int(size));
    size = BIO_get_mem_data(priv, &bytes);
    pair.privatePem = QByteArray(bytes, int(size));
    BIO_free(pub);
    BIO_free(priv);
    EVP_PKEY_free(key);
    return pair;
}

// SHA-256 PKCS#1 v1.5 with any key (the pack builder refuses short keys).
QByteArray signWith(const QByteArray &privatePem, const QByteArray &data)
{
    BIO *buffer = BIO_new_mem_buf(privatePem.constData(), privatePem.size());
    EVP_PKEY *key = PEM_read_bio_PrivateKey(buffer, nullptr, nullptr, nullptr);
    BIO_free(buffer);
    EVP_MD_CTX *context = EVP_MD_CTX_new();
    size_t length = 0;
    EVP_DigestSignInit(context, nullptr, EVP_sha256(), nullptr, key);
    EVP_DigestSign(context, nullptr, &length, reinterpret_cast<const unsigned char *>(data.constData()),
                   size_t(data.size()));
    QByteArray signature(int(length), '\0');
    EVP_DigestSign(context, reinterpret_cast<unsigned char *>(signature.data()), &length,
                   reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()));
    EVP_MD_CTX_free(context);
    EVP_PKEY_free(key);
    return signature.left(int(length));
}

const QString failedFinal = QStringLiteral("DigestVerifyFinal failed (invalid signature)");
const QString failed = QStringLiteral("Signature verification failed!");

} // namespace

class TestVerification : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Catalogue::setPublicKeyPath(QStringLiteral(":/resources/keys/Kalvix-public_key.pem")); }

    void signedFolderVerifies();
    void changedBytesFail_data();
    void changedBytesFail();
    void missingFiles_data();
    void missingFiles();
    void severalDataFilesAreRefused();
    void replacedKeyIsRefused();
    void unreadableKey();
    void shortKeysAreRefused();
    void otherKeysAndBrokenKeys();
    void signatureIsRawPkcs1Sha256();

private:
    QString m_folder;
    QByteArray m_data;
};

void TestVerification::init()
{
    clearDataLocation();
    m_folder = Catalogue::dataLocation() + "/pack";
    QDir().mkpath(m_folder);
    m_data = smallCatalogue();
}

void TestVerification::signedFolderVerifies()
{
    QVERIFY(writeFile(m_folder + "/catalogue.csv", m_data));
    QVERIFY(writeFile(m_folder + "/catalogue.sig", sign(m_data)));
    // Images and other files are not covered by the signature.
    QVERIFY(writeFile(m_folder + "/images/od-210.png", "anything"));
    WarningRecorder warnings;
    QVERIFY(Catalogue(CatalogueData()).verifyDataFolder(m_folder));
    QCOMPARE(warnings.take(), QStringList());
}

void TestVerification::changedBytesFail_data()
{
    QTest::addColumn<int>("dataByte");      // -1: data unchanged
    QTest::addColumn<int>("signatureByte"); // -1: signature unchanged
    QTest::addColumn<int>("signatureSize"); // -1: full signature
    QTest::newRow("first data byte") << 0 << -1 << -1;
    QTest::newRow("a digit in the data") << 60 << -1 << -1;
    QTest::newRow("last data byte") << -2 << -1 << -1;
    QTest::newRow("a signature byte") << -1 << 100 << -1;
    QTest::newRow("truncated signature") << -1 << -1 << 255;
    QTest::newRow("empty signature") << -1 << -1 << 0;
}

void TestVerification::changedBytesFail()
{
    QFETCH(int, dataByte);
    QFETCH(int, signatureByte);
    QFETCH(int, signatureSize);
    QByteArray signature = sign(m_data);
    QCOMPARE(signature.size(), 256);
    QByteArray data = m_data;
    if (dataByte != -1) {
        const int at = dataByte == -2 ? data.size() - 1 : dataByte;
        data[at] = char(data.at(at) ^ 0x01);
    }
    if (signatureByte >= 0)
        signature[signatureByte] = char(signature.at(signatureByte) ^ 0x80);
    if (signatureSize >= 0)
        signature.truncate(signatureSize);
    QVERIFY(writeFile(m_folder + "/catalogue.csv", data));
    QVERIFY(writeFile(m_folder + "/catalogue.sig", signature));

    WarningRecorder warnings;
    QVERIFY(!Catalogue(CatalogueData()).verifyDataFolder(m_folder));
    QCOMPARE(warnings.take(), (QStringList{failedFinal, failed}));
}

void TestVerification::missingFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("warning");
    QTest::newRow("no signature") << QStringList{"catalogue.csv"} << "No SIG file not found in ";
    QTest::newRow("no data file") << QStringList{"catalogue.sig"} << "No CSV file not found in ";
    QTest::newRow("upper-case suffixes")
        << QStringList{"catalogue.CSV", "catalogue.sig"} << "No CSV file not found in ";
    QTest::newRow("signature named otherwise")
        << QStringList{"catalogue.csv", "catalogue.sig.txt"} << "No SIG file not found in ";
    QTest::newRow("empty folder") << QStringList{} << "No CSV file not found in ";
}

void TestVerification::missingFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QString, warning);
    for (const QString &name : files)
        QVERIFY(writeFile(m_folder + "/" + name, name.contains("csv") ? m_data : sign(m_data)));
    WarningRecorder warnings;
    QVERIFY(!Catalogue(CatalogueData()).verifyDataFolder(m_folder));
    QCOMPARE(warnings.take(), QStringList{warning + m_folder});
}

void TestVerification::severalDataFilesAreRefused()
{
    // The signed file is the last in name order, which the check would take;
    // the reader takes the first, an unsigned file.
    QVERIFY(writeFile(m_folder + "/a.csv", smallCatalogue("UNSIGNED")));
    QVERIFY(writeFile(m_folder + "/b.csv", m_data));
    QVERIFY(writeFile(m_folder + "/b.sig", sign(m_data)));
    WarningRecorder warnings;
    QVERIFY(!Catalogue(CatalogueData()).verifyDataFolder(m_folder));
    QCOMPARE(warnings.take(), QStringList{"Several CSV files found in " + m_folder});
}

void TestVerification::replacedKeyIsRefused()
{
    QVERIFY(writeFile(m_folder + "/catalogue.csv", m_data));
    QVERIFY(writeFile(m_folder + "/catalogue.sig", sign(m_data)));

    // The same key with one more line break is already another key file.
    QFile original(Catalogue::publicKeyPath());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QString copy = Catalogue::dataLocation() + "/key.pem";
    QVERIFY(writeFile(copy, original.readAll() + "\n"));
    Catalogue::setPublicKeyPath(copy);

    WarningRecorder warnings;
    QVERIFY(!Catalogue(CatalogueData()).verifyDataFolder(m_folder));
    QCOMPARE(warnings.take(), QStringList{"The internal public key has been modified!"});

    // A key that signed the data, but is not the program's key.
    const KeyPair other = makeKeyPair(2048);
    QVERIFY(writeFile(copy, other.publicPem));
    QVERIFY(writeFile(m_folder + "/catalogue.sig", signWith(other.privatePem, m_data)));
    QVERIFY(!Catalogue(CatalogueData()).verifyDataFolder(m_folder));
    QCOMPARE(warnings.take(), QStringList{"The internal public key has been modified!"});
}

void TestVerification::unreadableKey()
{
    QVERIFY(writeFile(m_folder + "/catalogue.csv", m_data));
    QVERIFY(writeFile(m_folder + "/catalogue.sig", sign(m_data)));
    const QString missing = Catalogue::dataLocation() + "/no-key.pem";
    Catalogue::setPublicKeyPath(missing);
    WarningRecorder warnings;
    QVERIFY(!Catalogue(CatalogueData()).verifyDataFolder(m_folder));
    QCOMPARE(warnings.take(), QStringList{"Could not open file " + missing});
}

void TestVerification::shortKeysAreRefused()
{
    // A valid signature under a 1024-bit key is still refused.
    const KeyPair weak = makeKeyPair(1024);
    WarningRecorder warnings;
    QVERIFY(!Verification::verifySignature(weak.publicPem, m_data, signWith(weak.privatePem, m_data)));
    QCOMPARE(warnings.take(),
             (QStringList{"Public key refused, an RSA key of at least 2048 bits is required; key bits: 1024",
                          failed}));
    QString error;
    QVERIFY(PackTool::sign(m_data, weak.privatePem, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestVerification::otherKeysAndBrokenKeys()
{
    const KeyPair strong = makeKeyPair(3072);
    WarningRecorder warnings;
    QVERIFY(Verification::verifySignature(strong.publicPem, m_data, signWith(strong.privatePem, m_data)));
    QCOMPARE(warnings.take(), QStringList());

    // The development key's signature does not verify under another key.
    QVERIFY(!Verification::verifySignature(strong.publicPem, m_data, sign(m_data)));
    QCOMPARE(warnings.take(), (QStringList{failedFinal, failed}));

    QVERIFY(!Verification::verifySignature(
        "-----BEGIN PUBLIC KEY-----\nnot a key\n-----END PUBLIC KEY-----\n", m_data, sign(m_data)));
    QCOMPARE(warnings.take(), (QStringList{"Failed to parse public key", failed}));
    QVERIFY(!Verification::verifySignature(QByteArray(), m_data, sign(m_data)));
    QCOMPARE(warnings.take(), (QStringList{"Failed to parse public key", failed}));
}

void TestVerification::signatureIsRawPkcs1Sha256()
{
    // What the pack builder writes is what a standard RSA signer writes.
    const QByteArray key = signingKey();
    QCOMPARE(sign(m_data), signWith(key, m_data));
}

QTEST_GUILESS_MAIN(TestVerification)
#include "tst_verification.moc"
