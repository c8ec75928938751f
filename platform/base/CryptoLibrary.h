#pragma once
// OpenSSL's libcrypto, loaded when a stored password is first enciphered or deciphered rather
// than with the program: the library and its relocations would delay the main window, which
// needs none of it. Any thread may call it.

#include <QString>

#include <openssl/evp.h>
#include <openssl/rand.h>

struct CryptoFunctions
{
    decltype(&::EVP_CIPHER_CTX_new) cipher_ctx_new;
    decltype(&::EVP_CIPHER_CTX_free) cipher_ctx_free;
    decltype(&::EVP_CIPHER_CTX_ctrl) cipher_ctx_ctrl;
    decltype(&::EVP_aes_256_gcm) aes_256_gcm;
    decltype(&::EVP_EncryptInit_ex) encrypt_init_ex;
    decltype(&::EVP_EncryptUpdate) encrypt_update;
    decltype(&::EVP_EncryptFinal_ex) encrypt_final_ex;
    decltype(&::EVP_DecryptInit_ex) decrypt_init_ex;
    decltype(&::EVP_DecryptUpdate) decrypt_update;
    decltype(&::EVP_DecryptFinal_ex) decrypt_final_ex;
    decltype(&::RAND_bytes) rand_bytes;
};

namespace CryptoLibrary
{
// The functions, or null when libcrypto cannot be loaded; then errorText, if given, says why.
// A failed load is not retried: it would fail the same way.
const CryptoFunctions* Functions(QString* errorText = nullptr);
}
