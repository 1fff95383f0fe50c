// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The language a parent reads in the parents' corner, the report and the command line's
// answers: Simplified Chinese where the system's language is Chinese, English (the language of
// the sources) otherwise. The child's game speaks Mandarin whatever it is. The translations are
// built into the program from the Qt Linguist files in translations/.
namespace ParentLanguage {

// Loads the translations for the system's language; call once, before any text for a parent
// is made. Nothing is loaded where the language has none.
void load();
// Hands them to the application, where tr() finds them.
void install();
// source in the parent's language, also before an application exists.
QString translate(const char *context, const char *source);

} // namespace ParentLanguage
