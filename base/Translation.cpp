#include "base/Translation.h"

#include <libintl.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace lcdcrt {

namespace {

constexpr const char* kDomain = "lcdcrt";

std::string& catalogueDirectory() {
    static std::string directory;
    return directory;
}

// Loading the locale costs a console mode more than its whole work, and most runs say
// nothing: it is done on the first message.
void bindCatalogues() {
    static const bool bound = [] {
        // Messages only: numbers are read and written the same way in every locale.
        std::setlocale(LC_CTYPE, "");
        std::setlocale(LC_MESSAGES, "");
        bindtextdomain(kDomain, catalogueDirectory().c_str());
        bind_textdomain_codeset(kDomain, "UTF-8");
        return true;
    }();
    (void)bound;
}

}  // namespace

const char* tr(const char* message) {
    bindCatalogues();
    return dgettext(kDomain, message);
}

const char* errorText(int error) {
    bindCatalogues();
    return std::strerror(error);
}

std::string formatted(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int size = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::vector<char> text(size > 0 ? static_cast<std::size_t>(size) + 1 : 1);
    std::vsnprintf(text.data(), text.size(), format, arguments);
    va_end(arguments);
    return text.data();
}

void setUpTranslation(const std::string& localeDirectory) {
    catalogueDirectory() = localeDirectory;
}

}  // namespace lcdcrt
