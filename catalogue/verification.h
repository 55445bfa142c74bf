#pragma once

#include <QByteArray>

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

} // namespace Verification
