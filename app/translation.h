// SPDX-License-Identifier: GPL-2.0-or-later
// The interface speaks English; a translation of the user's language, when
// the program carries one, replaces the strings it covers (Czech: the help
// text and the HEX file filters).
#pragma once

#include <QLocale>
#include <QString>

namespace lpt::app {

// Installs the translation for `locale` in place of any installed before;
// false when there is none (English, or a language without a translation).
bool InstallTranslation(const QLocale& locale);

// The name filters of the HEX file dialogs, translated ("a;;b" joined).
QString HexFileFilters(bool open);

// The resource holding the help text in the current language.
QString HelpTextResource();

}  // namespace lpt::app
