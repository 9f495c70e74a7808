// The network library is loaded when the first transfer needs it, not when
// the program starts: libcurl and the TLS, Kerberos and LDAP libraries behind
// it cost every start about 9 ms and 8 MB, and most runs (a check, a link
// check) never go online. This file defines the libcurl functions the program
// calls, each forwarding to the library opened on first use; the program
// links no libcurl of its own. Without the library a transfer fails as one
// that cannot connect.
// Plain declarations, not the checking macros that would rename the definitions below.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>
#include <mutex>

namespace {

struct Curl {
    void* library = nullptr;
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&curl_easy_strerror) easyStrerror = nullptr;
    decltype(&curl_getdate) getdate = nullptr;
    decltype(&curl_multi_init) multiInit = nullptr;
    decltype(&curl_multi_add_handle) multiAdd = nullptr;
    decltype(&curl_multi_remove_handle) multiRemove = nullptr;
    decltype(&curl_multi_cleanup) multiCleanup = nullptr;
    decltype(&curl_multi_perform) multiPerform = nullptr;
    decltype(&curl_multi_poll) multiPoll = nullptr;
    decltype(&curl_multi_info_read) multiInfoRead = nullptr;
    decltype(&curl_slist_append) slistAppend = nullptr;
    decltype(&curl_slist_free_all) slistFreeAll = nullptr;

    // All of them or none: a library without one of these is not used.
    bool Complete() const {
        return globalInit && easyInit && easyCleanup && easySetopt && easyGetinfo && easyStrerror && getdate &&
               multiInit && multiAdd && multiRemove && multiCleanup && multiPerform && multiPoll && multiInfoRead &&
               slistAppend && slistFreeAll;
    }
};

template <typename F>
void Bind(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(::dlsym(library, name));
}

const Curl& Library() {
    static Curl curl;
    static std::once_flag once;
    std::call_once(once, [] {
        void* library = ::dlopen(KV_CURL_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!library) return;
        Curl c;
        c.library = library;
        Bind(library, "curl_global_init", c.globalInit);
        Bind(library, "curl_easy_init", c.easyInit);
        Bind(library, "curl_easy_cleanup", c.easyCleanup);
        Bind(library, "curl_easy_setopt", c.easySetopt);
        Bind(library, "curl_easy_getinfo", c.easyGetinfo);
        Bind(library, "curl_easy_strerror", c.easyStrerror);
        Bind(library, "curl_getdate", c.getdate);
        Bind(library, "curl_multi_init", c.multiInit);
        Bind(library, "curl_multi_add_handle", c.multiAdd);
        Bind(library, "curl_multi_remove_handle", c.multiRemove);
        Bind(library, "curl_multi_cleanup", c.multiCleanup);
        Bind(library, "curl_multi_perform", c.multiPerform);
        Bind(library, "curl_multi_poll", c.multiPoll);
        Bind(library, "curl_multi_info_read", c.multiInfoRead);
        Bind(library, "curl_slist_append", c.slistAppend);
        Bind(library, "curl_slist_free_all", c.slistFreeAll);
        if (c.Complete()) curl = c;
    });
    return curl;
}

// Handles exist only when the library was loaded: the functions taking one
// need not ask.
}  // namespace

extern "C" {

CURLcode curl_global_init(long flags) {
    const Curl& c = Library();
    return c.globalInit ? c.globalInit(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init() {
    const Curl& c = Library();
    return c.easyInit ? c.easyInit() : nullptr;
}

void curl_easy_cleanup(CURL* handle) { Library().easyCleanup(handle); }

// The option's number says the type of its one argument.
CURLcode curl_easy_setopt(CURL* handle, CURLoption option, ...) {
    va_list args;
    va_start(args, option);
    const auto type = static_cast<int>(option) / 10000 * 10000;
    CURLcode result;
    if (type == CURLOPTTYPE_LONG)
        result = Library().easySetopt(handle, option, va_arg(args, long));
    else if (type == CURLOPTTYPE_OFF_T)
        result = Library().easySetopt(handle, option, va_arg(args, curl_off_t));
    else if (type == CURLOPTTYPE_FUNCTIONPOINT)
        result = Library().easySetopt(handle, option, va_arg(args, void (*)()));
    else
        result = Library().easySetopt(handle, option, va_arg(args, void*));
    va_end(args);
    return result;
}

CURLcode curl_easy_getinfo(CURL* handle, CURLINFO info, ...) {
    va_list args;
    va_start(args, info);
    void* out = va_arg(args, void*);  // always where to store the answer
    va_end(args);
    return Library().easyGetinfo(handle, info, out);
}

const char* curl_easy_strerror(CURLcode code) {
    const Curl& c = Library();
    return c.easyStrerror ? c.easyStrerror(code) : "The network library (libcurl) could not be loaded.";
}

time_t curl_getdate(const char* text, const time_t* unused) {
    const Curl& c = Library();
    return c.getdate ? c.getdate(text, unused) : -1;
}

CURLM* curl_multi_init() {
    const Curl& c = Library();
    return c.multiInit ? c.multiInit() : nullptr;
}

CURLMcode curl_multi_add_handle(CURLM* multi, CURL* easy) { return Library().multiAdd(multi, easy); }
CURLMcode curl_multi_remove_handle(CURLM* multi, CURL* easy) { return Library().multiRemove(multi, easy); }
CURLMcode curl_multi_cleanup(CURLM* multi) { return Library().multiCleanup(multi); }
CURLMcode curl_multi_perform(CURLM* multi, int* running) { return Library().multiPerform(multi, running); }

CURLMcode curl_multi_poll(CURLM* multi, struct curl_waitfd* extra, unsigned int count, int timeoutMs, int* ready) {
    return Library().multiPoll(multi, extra, count, timeoutMs, ready);
}

CURLMsg* curl_multi_info_read(CURLM* multi, int* queued) { return Library().multiInfoRead(multi, queued); }

curl_slist* curl_slist_append(curl_slist* list, const char* text) {
    const Curl& c = Library();
    return c.slistAppend ? c.slistAppend(list, text) : nullptr;
}

void curl_slist_free_all(curl_slist* list) {
    if (list) Library().slistFreeAll(list);
}

}  // extern "C"
