#pragma once
// The application-wide settings on screen: the hint colour and how soon hints appear.
#include <QProxyStyle>
#include <cstdint>

#include "toolkit/application.h"

namespace desktop {

class ApplicationView {
 public:
  explicit ApplicationView(const toolkit::Application& application);
  void sync();

 private:
  /// Hints appear after the application's hint pause rather than the style's own delay.
  class HintStyle final : public QProxyStyle {
   public:
    explicit HintStyle(const toolkit::Application& application) : application_(application) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

   private:
    const toolkit::Application& application_;
  };

  const toolkit::Application& application_;
  std::uint64_t seen_ = ~0ull;
};

}  // namespace desktop
