#ifndef KORVU_SCREENS_ENLLACAJUDA_H
#define KORVU_SCREENS_ENLLACAJUDA_H

#include <string>

// Where a field's help link leads: a web address as it is, a manual page on the system's web
// site under the language, or a page under the configured help address.
class EnllacAjuda {
public:
    static constexpr const char* kManual = "http://www.quorvanta.com/man/";

    // Empty for an empty text (nothing to open).
    static std::string Desti(const std::string& text, const std::string& base, const std::string& idioma);
};

#endif
