#include "report/windows/CupsQueue.h"

#include <cups/cups.h>

namespace zamt {

CupsQueueInfo cupsQueueInfo(const QString& queue) {
    CupsQueueInfo info;
    // A printer instance ("name/instance") is a queue with own options.
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toUtf8();
    if (name.isEmpty())
        return info;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", name.constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"copies-supported", "device-uri"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                  wanted);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response)
        return info;
    if (ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING) {
        info.found = true;
        if (ipp_attribute_t* a = ippFindAttribute(response, "device-uri", IPP_TAG_URI))
            info.deviceUri = QString::fromUtf8(ippGetString(a, 0, nullptr));
        if (ipp_attribute_t* a = ippFindAttribute(response, "copies-supported", IPP_TAG_RANGE)) {
            int upper = 1;
            ippGetRange(a, 0, &upper);
            info.maxCopies = upper;
        } else if (ipp_attribute_t* a =
                       ippFindAttribute(response, "copies-supported", IPP_TAG_INTEGER)) {
            info.maxCopies = ippGetInteger(a, 0);
        }
    }
    ippDelete(response);
    return info;
}

} // namespace zamt
