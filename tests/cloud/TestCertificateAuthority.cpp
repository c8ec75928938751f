#include "TestCertificateAuthority.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <functional>
#include <utility>

namespace
{
using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Certificate = std::unique_ptr<X509, decltype(&X509_free)>;

constexpr long kValiditySeconds = 24 * 3600;

Key MakeKey()
{
    return Key(EVP_EC_gen("P-256"), EVP_PKEY_free);
}

// The issuer is the certificate itself for the authority's own.
bool AddExtension(X509* certificate, X509* issuer, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    if (!extension)
        return false;
    const bool added = X509_add_ext(certificate, extension, -1) == 1;
    X509_EXTENSION_free(extension);
    return added;
}

Certificate MakeCertificate(EVP_PKEY* key, const QByteArray& commonName, long serial, X509* issuer)
{
    Certificate certificate(X509_new(), X509_free);
    X509* made = certificate.get();
    X509_NAME* subject = X509_get_subject_name(made);
    if (!made || X509_set_version(made, 2) != 1 || ASN1_INTEGER_set(X509_get_serialNumber(made), serial) != 1 ||
        !X509_gmtime_adj(X509_getm_notBefore(made), -3600) ||
        !X509_gmtime_adj(X509_getm_notAfter(made), kValiditySeconds) || X509_set_pubkey(made, key) != 1 ||
        X509_NAME_add_entry_by_txt(subject, "CN", MBSTRING_UTF8,
                                   reinterpret_cast<const unsigned char*>(commonName.constData()), -1, -1, 0) != 1 ||
        X509_set_issuer_name(made, issuer ? X509_get_subject_name(issuer) : subject) != 1)
        return Certificate(nullptr, X509_free);
    return certificate;
}

bool Write(const QString& path, const std::function<int(FILE*)>& write)
{
    FILE* file = std::fopen(path.toLocal8Bit().constData(), "w");
    if (!file)
        return false;
    const bool written = write(file) == 1;
    return std::fclose(file) == 0 && written;
}
}

struct TestCertificateAuthority::Keys
{
    Key key = MakeKey();
    Certificate certificate{nullptr, X509_free};
};

TestCertificateAuthority::TestCertificateAuthority() : m_keys(std::make_unique<Keys>())
{
    if (!m_dir.isValid() || !m_keys->key)
        return;
    Certificate certificate = MakeCertificate(m_keys->key.get(), "Quorvanta test authority", m_serial++, nullptr);
    X509* made = certificate.get();
    if (!made || !AddExtension(made, made, NID_basic_constraints, "critical,CA:TRUE") ||
        !AddExtension(made, made, NID_key_usage, "critical,keyCertSign,cRLSign") ||
        !AddExtension(made, made, NID_subject_key_identifier, "hash") ||
        X509_sign(made, m_keys->key.get(), EVP_sha256()) <= 0 ||
        !Write(CertificateFile(), [made](FILE* file) { return PEM_write_X509(file, made); }))
        return;
    m_keys->certificate = std::move(certificate);
}

TestCertificateAuthority::~TestCertificateAuthority() = default;

bool TestCertificateAuthority::IsValid() const
{
    return m_keys->certificate != nullptr;
}

QString TestCertificateAuthority::CertificateFile() const
{
    return m_dir.filePath(QStringLiteral("authority.pem"));
}

TestCertificateAuthority::Issued TestCertificateAuthority::Issue(const QString& fileStem, const QString& alternativeNames)
{
    if (!IsValid())
        return {};
    X509* authority = m_keys->certificate.get();
    const Key key = MakeKey();
    if (!key)
        return {};
    const Certificate certificate = MakeCertificate(key.get(), fileStem.toUtf8(), m_serial++, authority);
    X509* made = certificate.get();
    const Issued issued{m_dir.filePath(fileStem + QStringLiteral(".pem")), m_dir.filePath(fileStem + QStringLiteral(".key"))};
    EVP_PKEY* authorityKey = m_keys->key.get();
    EVP_PKEY* serverKey = key.get();
    if (!made || !AddExtension(made, authority, NID_basic_constraints, "CA:FALSE") ||
        !AddExtension(made, authority, NID_key_usage, "critical,digitalSignature") ||
        !AddExtension(made, authority, NID_ext_key_usage, "serverAuth") ||
        !AddExtension(made, authority, NID_authority_key_identifier, "keyid") ||
        !AddExtension(made, authority, NID_subject_alt_name, alternativeNames.toUtf8().constData()) ||
        X509_sign(made, authorityKey, EVP_sha256()) <= 0 ||
        !Write(issued.certificateFile, [made](FILE* file) { return PEM_write_X509(file, made); }) ||
        !Write(issued.keyFile, [serverKey](FILE* file) {
            return PEM_write_PrivateKey(file, serverKey, nullptr, nullptr, 0, nullptr, nullptr);
        }))
        return {};
    return issued;
}
