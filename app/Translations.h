#pragma once

// The program speaks the user's language: its own catalogue and, when first needed, Qt's
// (standard buttons), for the languages the user's environment asks for (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), English where none matches.
namespace Translations {
void install();
}
