#include "desktop/application_view.h"

#include <QApplication>
#include <QToolTip>

#include "desktop/qt_text.h"

namespace desktop {

ApplicationView::ApplicationView(const toolkit::Application& application)
    : application_(application) {
  QApplication::setStyle(new HintStyle(application));  // the application owns the style
}

int ApplicationView::HintStyle::styleHint(StyleHint hint, const QStyleOption* option,
                                          const QWidget* widget,
                                          QStyleHintReturn* returnData) const {
  if (hint == SH_ToolTip_WakeUpDelay || hint == SH_ToolTip_FallAsleepDelay)
    return application_.hintPause();
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ApplicationView::sync() {
  if (seen_ == application_.revision()) return;
  seen_ = application_.revision();
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, toQColor(application_.hintColor()));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(palette);
  QApplication::setApplicationName(toQt(application_.title()));
}

}  // namespace desktop
