// The translation files built with the program: each code with the SHA-256 (lower-case
// hex) of its compiled file. The table is generated at build time from the files
// themselves (resources/translations/digests.cmake); CheckedTranslator reads it.
#pragma once

struct ShippedTranslation {
    const char *code;
    const char *sha256;
};

extern const ShippedTranslation shippedTranslations[];
extern const int shippedTranslationCount;
