// Program entry: the application, the main window and, hidden, the four small windows; then the
// message loop until the main window closes.
#include <QApplication>
#include <QFont>
#include <clocale>

#include "base/cp1251.h"
#include "base/random_source.h"
#include "desktop/application_view.h"
#include "desktop/main_window_view.h"
#include "desktop/qt_ports.h"
#include "desktop/view_sync.h"
#include "inputaids/tform4.h"
#include "modes/tform2.h"
#include "modes/tform3.h"
#include "modes/tform5.h"
#include "shell/tform1.h"
#include "toolkit/application.h"
#include "toolkit/error_dispatch.h"

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  // Dates and times follow the user's regional settings.
  std::setlocale(LC_TIME, "");
  QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans");

  toolkit::Application application;
  desktop::QtErrorBox errorBox;
  toolkit::ErrorDispatch errors(errorBox, base::ru("Болтомир"));
  desktop::QtClock clock(errors);
  desktop::QtScreen screen;
  desktop::QtPlayer mp;
  desktop::QtPlayer mp2;
  base::ClockSeededRandom random;
  desktop::ViewSync views(errors);

  const shell::MainWindowServices services{clock, screen, mp, mp2, random, application};
  shell::TForm1 form1(services);
  errors.runEvent([&] { form1.FormCreate(); });
  modes::TForm2 form2;
  modes::TForm3 form3;
  inputaids::TForm4 form4;
  modes::TForm5 form5;

  desktop::ApplicationView applicationView(application);
  desktop::MainWindowView mainView(form1, application, views);
  views.addView([&] { applicationView.sync(); });
  views.addView([&] { mainView.sync(); });
  clock.afterTick = [&] { views.syncAll(); };

  form1.Self.show();
  views.syncAll();
  clock.start();
  return qtApplication.exec();
}
