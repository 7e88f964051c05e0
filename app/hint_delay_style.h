// SPDX-License-Identifier: GPL-2.0-or-later
// Tool tips appear after a pause of 1000 ms: Qt takes that pause from the
// style, so the window installs this thin proxy over the current style.
#pragma once

#include <QProxyStyle>

namespace lpt::app {

inline constexpr int kToolTipDelayMs = 1000;

class HintDelayStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kToolTipDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace lpt::app
