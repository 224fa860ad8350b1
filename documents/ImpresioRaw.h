#ifndef KORVU_DOCUMENTS_IMPRESIORAW_H
#define KORVU_DOCUMENTS_IMPRESIORAW_H

#include <string>

// Sends a raw-print file to its printer through the spooler.
class ImpresioRaw {
public:
    // Never throws: a failure ends the started job, closes the printer and then shows the error
    // box with the line reached. true when the job was printed.
    static bool Imprimeix(const std::string& cami);

private:
    // -1 when printed, else the line number of the failure.
    static long Envia(const std::string& cami);
};

#endif
