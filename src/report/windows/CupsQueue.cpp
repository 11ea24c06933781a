#include "report/windows/CupsQueue.h"

#include <QLibrary>
#include <cups/cups.h>

namespace zamt {
namespace {

// The CUPS library is loaded when a queue is first asked about, not at
// start-up: it brings a dozen libraries of its own that the main window
// does not need. Qt's print support loads the same library when it first
// lists the printers.
struct CupsCalls {
    decltype(&httpAssembleURIf) assembleUri = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&ippNewRequest) newRequest = nullptr;
    decltype(&ippAddString) addString = nullptr;
    decltype(&ippAddStrings) addStrings = nullptr;
    decltype(&cupsDoRequest) doRequest = nullptr;
    decltype(&ippGetStatusCode) statusCode = nullptr;
    decltype(&ippFindAttribute) findAttribute = nullptr;
    decltype(&ippGetString) getString = nullptr;
    decltype(&ippGetRange) getRange = nullptr;
    decltype(&ippGetInteger) getInteger = nullptr;
    decltype(&ippDelete) deleteIpp = nullptr;
    bool loaded = false;

    CupsCalls() {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return;
        const auto get = [&](auto& call, const char* name) {
            call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(library.resolve(name));
            return call != nullptr;
        };
        loaded = get(assembleUri, "httpAssembleURIf") && get(port, "ippPort") &&
                 get(newRequest, "ippNewRequest") && get(addString, "ippAddString") &&
                 get(addStrings, "ippAddStrings") && get(doRequest, "cupsDoRequest") &&
                 get(statusCode, "ippGetStatusCode") && get(findAttribute, "ippFindAttribute") &&
                 get(getString, "ippGetString") && get(getRange, "ippGetRange") &&
                 get(getInteger, "ippGetInteger") && get(deleteIpp, "ippDelete");
    }
};

const CupsCalls& cups() {
    static const CupsCalls calls;
    return calls;
}

} // namespace

CupsQueueInfo cupsQueueInfo(const QString& queue) {
    CupsQueueInfo info;
    const CupsCalls& c = cups();
    // A printer instance ("name/instance") is a queue with own options.
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toUtf8();
    if (name.isEmpty() || !c.loaded)
        return info;
    char uri[HTTP_MAX_URI];
    c.assembleUri(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", c.port(),
                  "/printers/%s", name.constData());
    ipp_t* request = c.newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    c.addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"copies-supported", "device-uri"};
    c.addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                 wanted);
    ipp_t* response = c.doRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response)
        return info;
    if (c.statusCode(response) <= IPP_STATUS_OK_CONFLICTING) {
        info.found = true;
        if (ipp_attribute_t* a = c.findAttribute(response, "device-uri", IPP_TAG_URI))
            info.deviceUri = QString::fromUtf8(c.getString(a, 0, nullptr));
        if (ipp_attribute_t* a = c.findAttribute(response, "copies-supported", IPP_TAG_RANGE)) {
            int upper = 1;
            c.getRange(a, 0, &upper);
            info.maxCopies = upper;
        } else if (ipp_attribute_t* a =
                       c.findAttribute(response, "copies-supported", IPP_TAG_INTEGER)) {
            info.maxCopies = c.getInteger(a, 0);
        }
    }
    c.deleteIpp(response);
    return info;
}

} // namespace zamt
