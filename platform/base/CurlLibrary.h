#pragma once
// libcurl, loaded when a transfer (a cloud request, an alert's mail) first needs it rather than with
// the program: loading it brings dozens of libraries (TLS, Kerberos, LDAP, SSH) whose start-up would
// delay the main window. The functions the program calls are reached through the table that
// Functions() gives; curl's global set-up is done once, with the loading. Any thread may call it.

#include <QString>

#include <curl/curl.h>

struct CurlFunctions
{
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_setopt) easy_setopt;
    decltype(&::curl_easy_perform) easy_perform;
    decltype(&::curl_easy_getinfo) easy_getinfo;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    decltype(&::curl_easy_strerror) easy_strerror;
    decltype(&::curl_slist_append) slist_append;
    decltype(&::curl_slist_free_all) slist_free_all;
};

namespace CurlLibrary
{
// The functions, or null when libcurl cannot be loaded or set up; then errorText, if given, says why.
// A failed load is not retried: it would fail the same way.
const CurlFunctions* Functions(QString* errorText = nullptr);
}
