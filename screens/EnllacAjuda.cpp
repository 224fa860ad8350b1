#include "screens/EnllacAjuda.h"

std::string EnllacAjuda::Desti(const std::string& text, const std::string& base, const std::string& idioma)
{
    if (text.empty())
        return std::string();
    if (text.compare(0, 5, "http:") == 0 || text.compare(0, 6, "https:") == 0)
        return text;
    if (text.find(".htm") != std::string::npos)
        return kManual + idioma + "/" + text;
    return base + text;
}
