// What Qt's printing does not tell: whether a CUPS queue takes jobs, and whether
// the job Qt just handed to CUPS was refused (Qt reports success either way).
#pragma once

#include <QString>

namespace cupsqueue {
// False when CUPS says the queue does not accept jobs at present.
bool acceptsJobs(const QString& printerName);
// True when this thread's last request to CUPS failed: called right after a job
// was submitted, it tells whether the queue refused it.
bool lastRequestFailed();
} // namespace cupsqueue
