#include "platform/base/CryptoLibrary.h"

#include "platform/base/OnDemandLibrary.h"

#include <mutex>

namespace CryptoLibrary
{
namespace
{
struct Loaded
{
    CryptoFunctions functions{};
    bool ready = false;
    QString error;
};

Loaded Load()
{
    using OnDemandLibrary::Resolve;
    Loaded loaded;
    QString reason;
    void* library = OnDemandLibrary::Open("libcrypto.so.3", reason);
    if (!library)
    {
        loaded.error = QStringLiteral("Nie można załadować biblioteki szyfrowania libcrypto: %1").arg(reason);
        return loaded;
    }
    CryptoFunctions& f = loaded.functions;
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
    {
        loaded.error = QStringLiteral("Biblioteka libcrypto nie ma potrzebnych funkcji: %1").arg(OnDemandLibrary::LastError());
        return loaded;
    }
    loaded.ready = true;
    return loaded;
}
}

const CryptoFunctions* Functions(QString* errorText)
{
    static std::once_flag once;
    static Loaded loaded;
    std::call_once(once, [] { loaded = Load(); });
    if (!loaded.ready && errorText)
        *errorText = loaded.error;
    return loaded.ready ? &loaded.functions : nullptr;
}
}
