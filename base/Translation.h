#pragma once

#include <string>

namespace lcdcrt {

// The user's language for a message written for a person; the English message itself
// where no catalogue has it. The English text is the key.
const char* tr(const char* message) __attribute__((format_arg(1)));

// The system's description of `error` in the user's language, as tr() gives messages:
// for messages that include it, which std::strerror alone would give in English when it
// is read before the first tr().
const char* errorText(int error);

// Marks a message for the catalogue where it is only looked up later, through tr().
constexpr const char* N_(const char* message) {
    return message;
}

// printf formatting for translated messages, whose translations may take the values in
// another order (%2$s before %1$s).
std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Looks messages up in the catalogues under `localeDirectory`, in the language the
// environment chooses as for every gettext program (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG); English where none fits or the locale does not exist.
void setUpTranslation(const std::string& localeDirectory);

}  // namespace lcdcrt
