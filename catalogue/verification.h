#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Signature check of a catalogue data file: RSA with SHA-256 and PKCS#1 v1.5
// padding, a raw signature, and a PEM public key.
namespace Verification
{

// RSA keys shorter than this are refused.
constexpr int MinimumKeyBits = 2048;

// Checks `signature` over `data` with the PEM public key, writing the warning
// of the step that failed and then "Signature verification failed!". Accepts
// only an RSA key of at least MinimumKeyBits and a final result of exactly 1.
bool verifySignature(const QByteArray &publicKeyPem, const QByteArray &data, const QByteArray &signature);

// Picks the data file and the signature file among the file names at the
// root of `folder` (named in the warnings): the names ending in ".csv" and
// ".sig" exactly, taking the last of each in case-insensitive name order.
// False, with the warning, when one is missing or there are several data files.
bool pickDataFiles(const QStringList &fileNames, const QString &folder, QString &dataName,
                   QString &signatureName);

// Checks the compiled-in public key against its digest, then `signature`
// over `data` with it.
bool verifyCatalogueData(const QByteArray &data, const QByteArray &signature);

} // namespace Verification
