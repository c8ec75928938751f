#include "platform/base/CryptoLibrary.h"

#include "platform/base/OnDemandLibrary.h"

namespace CryptoLibrary
{
namespace
{
// Fills the table; gives why it could not, or an empty text.
QString Load(CryptoFunctions& f)
{
    using OnDemandLibrary::Resolve;
    QString reason;
    void* library = OnDemandLibrary::Open("libcrypto.so.3", reason);
    if (!library)
        return QStringLiteral("Nie można załadować biblioteki szyfrowania libcrypto: %1").arg(reason);
    const bool resolved = Resolve(library, "EVP_CIPHER_CTX_new", f.cipher_ctx_new) &&
                          Resolve(library, "EVP_CIPHER_CTX_free", f.cipher_ctx_free) &&
                          Resolve(library, "EVP_CIPHER_CTX_ctrl", f.cipher_ctx_ctrl) &&
                          Resolve(library, "EVP_aes_256_gcm", f.aes_256_gcm) &&
                          Resolve(library, "EVP_EncryptInit_ex", f.encrypt_init_ex) &&
                          Resolve(library, "EVP_EncryptUpdate", f.encrypt_update) &&
                          Resolve(library, "EVP_EncryptFinal_ex", f.encrypt_final_ex) &&
                          Resolve(library, "EVP_DecryptInit_ex", f.decrypt_init_ex) &&
                          Resolve(library, "EVP_DecryptUpdate", f.decrypt_update) &&
                          Resolve(library, "EVP_DecryptFinal_ex", f.decrypt_final_ex) &&
                          Resolve(library, "RAND_bytes", f.rand_bytes);
    if (!resolved)
        return QStringLiteral("Biblioteka libcrypto nie ma potrzebnych funkcji: %1").arg(OnDemandLibrary::LastError());
    return {};
}
}

const CryptoFunctions* Functions(QString* errorText)
{
    return OnDemandLibrary::LoadOnce<CryptoFunctions>(Load, errorText);
}
}
