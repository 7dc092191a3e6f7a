#include "cupsqueue.h"

#include <cups/cups.h>

bool cupsqueue::acceptsJobs(const QString& printerName)
{
    const QByteArray name = printerName.toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return false;
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool accepts = !accepting || qstrcmp(accepting, "false") != 0;
    cupsFreeDests(1, dest);
    return accepts;
}

bool cupsqueue::lastRequestFailed()
{
    return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
}
