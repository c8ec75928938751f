#pragma once
// A certificate authority made for one test, and server certificates it signs, written as PEM
// files into a temporary folder, so that the HTTPS road can be tried on this machine without
// touching the system's trusted authorities.

#include <QString>
#include <QTemporaryDir>

#include <memory>

class TestCertificateAuthority
{
public:
    struct Issued
    {
        QString certificateFile;
        QString keyFile;
    };

    TestCertificateAuthority();
    ~TestCertificateAuthority();
    TestCertificateAuthority(const TestCertificateAuthority&) = delete;
    TestCertificateAuthority& operator=(const TestCertificateAuthority&) = delete;

    // False when the authority could not be made.
    bool IsValid() const;
    // The authority's own certificate, to be trusted by the client.
    QString CertificateFile() const;
    // A server certificate for the subject's alternative names ("IP:127.0.0.1", "DNS:chmura.test");
    // empty file names when it could not be made.
    Issued Issue(const QString& fileStem, const QString& alternativeNames);

private:
    struct Keys;

    QTemporaryDir m_dir;
    std::unique_ptr<Keys> m_keys;
    long m_serial = 1;
};
