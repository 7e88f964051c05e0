// SPDX-License-Identifier: GPL-2.0-or-later
// The domain writes its messages in English, filled in with file names,
// addresses and numbers. The window shows them in the user's language: a
// fixed message is looked up whole; a filled-in one is matched against the
// templates it was made from, and the translated template is filled in
// with the same values (themselves translated where they are messages).
// Anything unknown is shown as it was written.
#pragma once

#include <QString>

namespace lpt::app {

// `english` in the current language, line by line where it has several.
QString TranslateMessage(const QString& english);

// The English templates, in the order they are tried (tests check that
// each has a translation).
int MessageTemplateCount();
QString MessageTemplate(int index);

}  // namespace lpt::app
