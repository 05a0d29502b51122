#pragma once
// The main window's creation, after the application title and hints: the probe of the knowledge
// base, the settings, and the appearance rows applied in their order. The first failing step
// throws and ends the creation there; what it applied before stays, and every setting not yet
// applied keeps the window's designed look. Failures: "Cannot open file Data base\AI\Words.dat"
// (the settings are then not loaded at all), "Cannot open file Data base\ini\Config.ini", and the
// row failures of Settings ("List index out of bounds (%d)", "'%s' is not a valid integer value").
#include "shell/settings.h"
#include "toolkit/button.h"
#include "toolkit/dialogs.h"
#include "toolkit/edit.h"
#include "toolkit/line_list.h"
#include "toolkit/rich_view.h"
#include "toolkit/window.h"

namespace shell {

class StartUp {
 public:
  struct Controls {
    toolkit::LineList& LBvrf;
    toolkit::Window& Self;
    toolkit::RichView& RE1;
    toolkit::Edit& Input;
    toolkit::Button& Speak;
    toolkit::Button& Cancel;
    toolkit::Button& EnRus;
    toolkit::ColorDialog& ColorDialog2;
    toolkit::ColorDialog& ColorDialog3;
    toolkit::FontDialog& FontDialog1;
    toolkit::FontDialog& FontDialog2;
    toolkit::FontDialog& FontDialog3;
  };
  StartUp(const Controls& controls, Settings& Config) : c_(controls), config_(Config) {}

  /// Probes "Data base\AI\Words.dat" into LBvrf, loads the settings, applies rows 7, 8, 9 (window,
  /// view and input backgrounds), 12, 13, 14 (captions of "Сказать", "<", "E/R"), 15, 16 (colours
  /// of the user's and the bot's lines), 17 (input text colour), 19-21 and 23-25 (name, style and
  /// size of the user's and the bot's fonts), 27 and 28 (name and style preset of the input font
  /// dialog), each as soon as it is read.
  void FormCreate();

 private:
  void applyAppearance();
  void presetFont(toolkit::FontDialog& dialog, int nameRow, int styleRow) const;
  void presetFontSize(toolkit::FontDialog& dialog, int sizeRow) const;

  Controls c_;
  Settings& config_;
};

}  // namespace shell
